#include "dialog/control.h"

#include <limits>

#include "base/data_words_text.h"
#include "base/text.h"
#include "dialog/property_maps.h"
#include "dialog/style_tables.h"
#include "dialog/window_styles.h"

namespace tavorin {

namespace {

constexpr std::size_t keyword_width = 16;

void write_rectangle(TextWriter& out, const DialogRect& rect) {
    out.write(decimal(rect.x));
    out.write(u", ");
    out.write(decimal(rect.y));
    out.write(u", ");
    out.write(decimal(rect.width));
    out.write(u", ");
    out.write(decimal(rect.height));
}

}  // namespace

std::u16string Control::style_list(bool control_statement, std::uint32_t implied_mask) const {
    StyleWriter out(control_statement ? u"" : u", ");
    // Every statement starts from WS_CHILD | WS_VISIBLE, so a clear bit must be said. (Also for
    // a Custom Control, whose hexadecimal item alone could not take the bit away again.)
    if ((style_ & ws::visible) == 0) out.negated(u"WS_VISIBLE");
    if ((style_ & ws::child) == 0) out.negated(u"WS_CHILD");
    if (kind() != ControlKind::custom) write_control_window_style_names(out, style_ & ~implied_mask);
    write_negated_items(out, control_statement);
    const std::uint32_t class_bits = kind() == ControlKind::custom ? style_ : style_ & ~ws::child_visible;
    write_class_style_names(out, kind(), class_bits, ClassNameOptions{control_statement});
    out.remainder(style_ & ~implied_mask & ~out.consumed());
    if (control_statement) out.zero_if_empty();
    return out.text();
}

namespace {

std::u16string extended_style_list(ControlKind kind, std::uint32_t extended_style, std::u16string_view prefix) {
    StyleWriter out(prefix);
    if (kind == ControlKind::custom) {
        out.name(extended_style, hex_style(extended_style));
    } else {
        write_extended_style_names(out, extended_style);
    }
    return out.text();
}

}  // namespace

void Control::write_statement(TextWriter& out, const CatalogEntry& entry) const {
    const std::uint32_t extended = extended_style_ & ~ws::ex_no_parent_notify;
    // A text on a kind that shows none (a tree view's "Tree1") is kept in the template all the
    // same, so only the generic form, which always has a text, can carry it.
    const bool hidden_text = !has_caption() && !text_.empty() && !caption_is_reference();
    const std::optional<ShortForm> form =
        entry.force_control_statement || hidden_text || !named_class_.empty() ? std::nullopt : short_form();
    const auto write_caption = [&] {
        if (caption_is_reference()) {
            out.write(text_);
        } else {
            out.write_quoted(text_);
        }
    };

    if (form) {
        out.write_padded(form->keyword, keyword_width);
        if (has_caption()) {
            write_caption();
            out.write(u", ");
        }
        out.write(identifier_);
        out.write(u", ");
        write_rectangle(out, rect_);
        // A style list starts from a smaller base for some keywords: what the default implied
        // beyond it must then be said.
        std::u16string styles = style_list(false, form->implied_mask);
        if (!styles.empty() && form->implied_mask_with_list != form->implied_mask) {
            styles = style_list(false, form->implied_mask_with_list);
        }
        out.write(styles);
        if (extended != 0 || help_id_ != 0) {
            if (styles.empty()) out.write(u", 0");
            const std::u16string names = extended_style_list(kind(), extended, u", ");
            out.write(names.empty() ? std::u16string_view(u", 0") : std::u16string_view(names));
        }
        if (help_id_ != 0) out.write(u", " + decimal(help_id_));
        write_creation_data(out);
        return;
    }

    out.write_padded(u"CONTROL", keyword_width);
    write_caption();
    out.write(u", ");
    out.write(identifier_);
    out.write(u", ");
    if (named_class_.empty()) {
        out.write(symbolic_class());
    } else {
        out.write_quoted(named_class_);
    }
    out.write(u", ");
    out.write(style_list(true, ws::child_visible));
    out.write(u", ");
    write_rectangle(out, rect_);
    if (extended != 0 || help_id_ != 0) {
        out.write(u", ");
        const std::u16string names = extended_style_list(kind(), extended, {});
        out.write(names.empty() ? std::u16string_view(u"0") : std::u16string_view(names));
    }
    if (help_id_ != 0) out.write(u", " + decimal(help_id_));
    write_creation_data(out);
}

void Control::write_creation_data(TextWriter& out) const {
    if (creation_data_.empty()) return;
    out.line_break();
    out.open_block();
    write_data_words(out, creation_data_);
    out.close_block();
}

void Control::set_class_name(std::u16string name) {
    const bool own_class = equals_ignore_case(name, window_class());
    named_class_ = own_class && (atom() != 0 || name != window_class()) ? std::move(name) : std::u16string();
}

void Control::set_style(std::uint32_t style, std::uint32_t extended_style) {
    style_ = style;
    extended_style_ = extended_style;
}

void Control::set_rect(const DialogRect& rect) {
    rect_ = rect;
    pixel_rect_ = to_pixels(rect_, base_units_);
}

void Control::set_base_units(const BaseUnits& units) {
    base_units_ = units;
    pixel_rect_ = to_pixels(rect_, base_units_);
}

ControlStyles Control::preview_styles() const {
    if ((style_ & ws::border) == 0) return ControlStyles{style_, extended_style_};
    return ControlStyles{style_ & ~ws::border, extended_style_ | ws::ex_client_edge};
}

bool Control::has_property(PropertyId id) const { return property_map(kind())[property_number(id)] != no_property; }

namespace {

std::int32_t* rect_field(DialogRect& rect, PropertyId id) {
    switch (id) {
        case PropertyId::x: return &rect.x;
        case PropertyId::y: return &rect.y;
        case PropertyId::width: return &rect.width;
        case PropertyId::height: return &rect.height;
        default: return nullptr;
    }
}

}  // namespace

std::optional<std::int64_t> Control::property_value(PropertyId id) const {
    if (!has_property(id)) return std::nullopt;
    switch (designer_property(id).editor) {
        case PropertyEditor::number: {
            DialogRect rect = rect_;
            return *rect_field(rect, id);
        }
        case PropertyEditor::image:
            if (!text_ordinal_) return std::nullopt;
            return *text_ordinal_;
        case PropertyEditor::flag:
        case PropertyEditor::choice:
            return decode_property(property_binding(kind(), id), ControlStyles{style_, extended_style_});
        case PropertyEditor::category:
        case PropertyEditor::text: return std::nullopt;
    }
    return std::nullopt;
}

bool Control::set_property_value(PropertyId id, std::int64_t value) {
    if (!has_property(id)) return false;
    switch (designer_property(id).editor) {
        case PropertyEditor::number: {
            if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max()) {
                return false;
            }
            DialogRect rect = rect_;
            *rect_field(rect, id) = static_cast<std::int32_t>(value);
            set_rect(rect);
            return true;
        }
        case PropertyEditor::image:
            if (value < 0 || value > 0xFFFF) return false;
            // The script writes the reference as the text, unquoted.
            text_ordinal_ = static_cast<std::uint16_t>(value);
            text_ = decimal(value);
            return true;
        case PropertyEditor::flag:
        case PropertyEditor::choice: {
            const auto styles = encode_property(property_binding(kind(), id), value,
                                                ControlStyles{style_, extended_style_});
            if (!styles) return false;
            set_style(styles->style, styles->extended_style);
            return true;
        }
        case PropertyEditor::category:
        case PropertyEditor::text: return false;
    }
    return false;
}

ControlRecord Control::snapshot() const {
    ControlRecord record;
    record.kind = kind();
    record.text = text_;
    record.text_ordinal = text_ordinal_;
    record.identifier = identifier_;
    record.identifier_value = identifier_value_;
    record.x = rect_.x;
    record.y = rect_.y;
    record.width = rect_.width;
    record.height = rect_.height;
    record.style = style_;
    record.extended_style = extended_style_;
    record.unique_key = unique_key_;
    record.class_name = kind() == ControlKind::custom ? std::u16string(window_class()) : named_class_;
    record.creation_data = creation_data_;
    return record;
}

}  // namespace tavorin
