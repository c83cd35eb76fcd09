#include "dialog/property_values.h"

#include <array>

namespace tavorin {

namespace {

constexpr std::uint32_t button_type_mask = 0xF;
constexpr std::uint32_t static_type_mask = 0x1F;

// Check box types by (auto, tri-state): BS_CHECKBOX, BS_AUTOCHECKBOX, BS_3STATE, BS_AUTO3STATE.
constexpr std::uint32_t check_box_type(bool automatic, bool tri_state) {
    return tri_state ? (automatic ? 6 : 5) : (automatic ? 3 : 2);
}
constexpr bool is_automatic(std::uint32_t type) { return type == 3 || type == 6; }
constexpr bool is_tri_state(std::uint32_t type) { return type == 5 || type == 6; }

// Picture types and colours: frames and rectangles come in black, gray and white; only the
// frame also etched.
enum PictureType : std::int64_t { frame, rectangle, icon, bitmap, enhanced_metafile };
enum PictureColour : std::int64_t { black, gray, white, etched };
constexpr std::array<std::uint32_t, 4> frame_types = {7, 8, 9, 18};      // SS_BLACKFRAME .. SS_ETCHEDFRAME
constexpr std::array<std::uint32_t, 3> rectangle_types = {4, 5, 6};       // SS_BLACKRECT .. SS_WHITERECT
constexpr std::uint32_t ss_icon = 3;
constexpr std::uint32_t ss_bitmap = 14;
constexpr std::uint32_t ss_enhanced_metafile = 15;

template <std::size_t N>
std::optional<std::int64_t> index_in(const std::array<std::uint32_t, N>& types, std::uint32_t type) {
    for (std::size_t i = 0; i < N; ++i) {
        if (types[i] == type) return static_cast<std::int64_t>(i);
    }
    return std::nullopt;
}

std::optional<std::int64_t> picture_type(std::uint32_t type) {
    if (index_in(frame_types, type)) return frame;
    if (index_in(rectangle_types, type)) return rectangle;
    if (type == ss_icon) return icon;
    if (type == ss_bitmap) return bitmap;
    if (type == ss_enhanced_metafile) return enhanced_metafile;
    return std::nullopt;
}

std::optional<std::int64_t> picture_colour(std::uint32_t type) {
    if (const auto colour = index_in(frame_types, type)) return colour;
    return index_in(rectangle_types, type);
}

std::optional<std::uint32_t> picture_static_type(std::int64_t type, std::int64_t colour) {
    switch (type) {
        case frame: return frame_types.at(static_cast<std::size_t>(colour));
        case rectangle:
            if (colour == etched) return std::nullopt;
            return rectangle_types.at(static_cast<std::size_t>(colour));
        case icon: return ss_icon;
        case bitmap: return ss_bitmap;
        case enhanced_metafile: return ss_enhanced_metafile;
        default: return std::nullopt;
    }
}

std::uint32_t field_of(const StyleBinding& binding, const ControlStyles& styles) {
    return binding.field == StyleField::extended_style ? styles.extended_style : styles.style;
}

ControlStyles with_field(const StyleBinding& binding, ControlStyles styles, std::uint32_t bits) {
    (binding.field == StyleField::extended_style ? styles.extended_style : styles.style) = bits;
    return styles;
}

std::optional<std::uint32_t> encode_bits(const StyleBinding& binding, std::int64_t value, std::uint32_t field) {
    if (binding.mask == 0) return std::nullopt;
    if (binding.choices.empty()) {
        if (value != 0 && value != 1) return std::nullopt;
        return (field & ~binding.mask) | (value != 0 ? binding.on : binding.off);
    }
    if (value < 0 || value > 0xFFFFFFFF) return std::nullopt;
    const auto bits = static_cast<std::uint32_t>(value);
    bool named = false;
    for (const PropertyChoice& choice : binding.choices) named = named || choice.value == bits;
    if (!named && (bits & ~binding.mask) != 0) return std::nullopt;
    return (field & ~binding.mask) | bits;
}

std::optional<std::uint32_t> encode_picture(const StyleBinding& binding, std::int64_t value, std::uint32_t style) {
    const std::uint32_t type = style & static_type_mask;
    std::optional<std::uint32_t> new_type;
    if (binding.codec == StyleCodec::picture_type) {
        if ((value & unlisted_picture_value) != 0) {
            if ((value & ~(unlisted_picture_value | static_type_mask)) != 0) return std::nullopt;
            new_type = static_cast<std::uint32_t>(value & static_type_mask);
        } else if (value >= frame && value <= enhanced_metafile) {
            // A rectangle has no etched colour: it becomes black.
            const std::int64_t colour = picture_colour(type).value_or(black);
            new_type = picture_static_type(value, value == rectangle && colour == etched ? black : colour);
        }
    } else if (value >= black && value <= etched) {
        // Only frames and rectangles have a colour.
        if (const auto current = picture_type(type); current == frame || current == rectangle) {
            new_type = picture_static_type(*current, value);
        }
    }
    if (!new_type) return std::nullopt;
    return (style & ~static_type_mask) | *new_type;
}

}  // namespace

std::int64_t decode_property(const StyleBinding& binding, const ControlStyles& styles) {
    const std::uint32_t field = field_of(binding, styles);
    switch (binding.codec) {
        case StyleCodec::bits:
            if (!binding.choices.empty()) return field & binding.mask;
            return binding.mask != 0 && (field & binding.mask) == binding.on ? 1 : 0;
        case StyleCodec::check_box_auto: return is_automatic(styles.style & button_type_mask) ? 1 : 0;
        case StyleCodec::check_box_tri_state: return is_tri_state(styles.style & button_type_mask) ? 1 : 0;
        case StyleCodec::picture_type:
        case StyleCodec::picture_colour: {
            const std::uint32_t type = styles.style & static_type_mask;
            const auto known = binding.codec == StyleCodec::picture_type ? picture_type(type) : picture_colour(type);
            return known ? *known : unlisted_picture_value | type;
        }
    }
    return 0;
}

std::optional<ControlStyles> encode_property(const StyleBinding& binding, std::int64_t value,
                                             const ControlStyles& styles) {
    if (binding.field == StyleField::none) return std::nullopt;
    // Writing what the styles already say changes nothing, so that a multi-bit flag that reads
    // "no" (Word Ellipsis on an SS_ENDELLIPSIS static) does not clear the bits of another value.
    if (decode_property(binding, styles) == value) return styles;
    std::optional<std::uint32_t> bits;
    switch (binding.codec) {
        case StyleCodec::bits: bits = encode_bits(binding, value, field_of(binding, styles)); break;
        case StyleCodec::check_box_auto:
        case StyleCodec::check_box_tri_state: {
            if (value != 0 && value != 1) return std::nullopt;
            const std::uint32_t type = styles.style & button_type_mask;
            const bool automatic = binding.codec == StyleCodec::check_box_auto ? value == 1 : is_automatic(type);
            const bool tri_state = binding.codec == StyleCodec::check_box_tri_state ? value == 1 : is_tri_state(type);
            bits = (styles.style & ~button_type_mask) | check_box_type(automatic, tri_state);
            break;
        }
        case StyleCodec::picture_type:
        case StyleCodec::picture_colour: bits = encode_picture(binding, value, styles.style); break;
    }
    if (!bits) return std::nullopt;
    return with_field(binding, styles, *bits);
}

std::optional<std::size_t> choice_index(const StyleBinding& binding, std::int64_t value) {
    for (std::size_t i = 0; i < binding.choices.size(); ++i) {
        const std::int64_t shown = binding.codec == StyleCodec::bits ? binding.choices[i].value & binding.mask
                                                                     : binding.choices[i].value;
        if (shown == value) return i;
    }
    return std::nullopt;
}

}  // namespace tavorin
