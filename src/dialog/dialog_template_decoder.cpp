// Reading the binary dialog template.

#include "base/binary_reader.h"
#include "base/escapes.h"
#include "base/text.h"
#include "dialog/control_traits.h"
#include "dialog/deduce_kind.h"
#include "dialog/dialog.h"
#include "dialog/dialog_template.h"
#include "dialog/window_styles.h"

namespace tavorin {

namespace {

constexpr std::uint32_t extended_signature = 0xFFFF0001;
constexpr std::size_t max_class_length = 31;

std::int16_t read_i16(BinaryReader& in) { return static_cast<std::int16_t>(in.read_u16()); }

DialogRect read_rect(BinaryReader& in) {
    DialogRect rect;
    rect.x = read_i16(in);
    rect.y = read_i16(in);
    rect.width = read_i16(in);
    rect.height = read_i16(in);
    return rect;
}

std::u16string control_class(const NameOrOrdinal& value) {
    if (!value.is_text) return std::u16string(class_of_atom(value.ordinal));
    return value.text.substr(0, max_class_length);
}

ControlRecord read_control(BinaryReader& in, bool extended, std::uint32_t& help_id) {
    in.align_to(4);
    ControlRecord record;
    help_id = 0;
    if (extended) {
        help_id = in.read_u32();
        record.extended_style = in.read_u32();
        record.style = in.read_u32();
    } else {
        record.style = in.read_u32();
        record.extended_style = in.read_u32();
    }
    const DialogRect rect = read_rect(in);
    record.x = rect.x;
    record.y = rect.y;
    record.width = rect.width;
    record.height = rect.height;
    // A 16-bit 0xFFFF is the static id -1, as the window sees it: the controls share IDC_STATIC's
    // value instead of each taking a new one.
    if (extended) {
        record.identifier_value = static_cast<std::int32_t>(in.read_u32());
    } else {
        const std::uint16_t id = in.read_u16();
        record.identifier_value = id == 0xFFFF ? -1 : id;
    }
    record.identifier = decimal(record.identifier_value);

    const NameOrOrdinal window_class = in.read_name_or_ordinal();
    const std::u16string class_name = control_class(window_class);
    const NameOrOrdinal caption = in.read_name_or_ordinal();
    if (caption.is_text) {
        record.text = escape_stored_text(caption.text);
    } else {
        record.text_ordinal = caption.ordinal;
        record.text = decimal(caption.ordinal);
    }
    // A classic template counts the count word itself; an extended one counts only the bytes.
    std::size_t data_size = in.read_u16();
    if (!extended) data_size = data_size > 2 ? data_size - 2 : 0;
    const auto data = in.read_bytes(data_size);
    record.creation_data.assign(data.begin(), data.end());

    record.kind = deduce_kind(class_name, record.style);
    if (record.kind == ControlKind::custom || window_class.is_text) record.class_name = class_name;
    return record;
}

}  // namespace

Result<std::unique_ptr<Dialog>> decode_dialog_template(std::span<const std::uint8_t> data, Workspace& workspace) {
    try {
        BinaryReader in(data);
        const bool extended = in.read_u32() == extended_signature;
        auto dialog = std::make_unique<Dialog>(workspace, extended);
        std::uint32_t style = 0;
        std::uint32_t extended_style = 0;
        if (extended) {
            in.read_u32();  // help id
            extended_style = in.read_u32();
            style = in.read_u32();
        } else {
            in.seek(0);
            style = in.read_u32();
            extended_style = in.read_u32();
        }
        dialog->set_style(style, extended_style);
        const std::uint16_t count = in.read_u16();
        dialog->set_rect(read_rect(in));

        const NameOrOrdinal menu = in.read_name_or_ordinal();
        dialog->set_menu(menu.is_text ? menu.text : decimal(menu.ordinal));
        const NameOrOrdinal window_class = in.read_name_or_ordinal();
        if (window_class.is_text) dialog->set_class_name(window_class.text);
        dialog->set_caption(in.read_text(true));

        if ((style & ws::ds_set_font) != 0) {
            DialogFont font{0, {}, 0, 0, 1};
            font.point_size = in.read_u16();
            if (extended) {
                font.weight = in.read_u16();
                font.italic = in.read_u8();
                font.character_set = in.read_u8();
            }
            font.face = in.read_text();
            dialog->set_font(std::move(font));
        } else {
            dialog->set_font(font_without_statement());
        }

        for (std::uint16_t i = 0; i < count; ++i) {
            std::uint32_t help_id = 0;
            const ControlRecord record = read_control(in, extended, help_id);
            auto added = dialog->add_control(record);
            if (!added) return Error{added.error()};
            if (*added != nullptr) (*added)->set_help_id(help_id);
        }
        return dialog;
    } catch (const BinaryReadError& error) {
        return Error{ascii_to_text(error.what())};
    }
}

}  // namespace tavorin
