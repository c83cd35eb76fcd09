// Writing the binary dialog template.

#include "dialog/dialog_template.h"

#include "model/workspace.h"
#include "base/escapes.h"
#include "base/text.h"
#include "dialog/dialog.h"
#include "dialog/window_styles.h"

namespace tavorin {

namespace {

constexpr std::uint32_t extended_signature = 0xFFFF0001;  // version 1, then 0xFFFF

// A menu of the project is named in compiled files as the menu resource itself is: a symbol
// or a number by its value, a string name as text.
void write_menu(BinaryBuffer& out, std::u16string_view menu, const SymbolTable& symbols) {
    if (const Symbol* symbol = symbols.find(menu); symbol != nullptr && !symbol->string_name) {
        out.write_ordinal(static_cast<std::uint16_t>(symbol->value));
        return;
    }
    if (const auto number = leading_number(menu); number && menu[0] >= u'0' && menu[0] <= u'9') {
        out.write_ordinal(static_cast<std::uint16_t>(*number));
        return;
    }
    out.write_text(menu);
}

void write_control(BinaryBuffer& out, const Control& control, bool extended) {
    out.align_to_4();
    if (extended) {
        out.write_u32(control.help_id());
        out.write_u32(control.extended_style());
        out.write_u32(control.style());
    } else {
        out.write_u32(control.style());
        out.write_u32(control.extended_style());
    }
    const DialogRect& rect = control.rect();
    out.write_u16(static_cast<std::uint16_t>(rect.x));
    out.write_u16(static_cast<std::uint16_t>(rect.y));
    out.write_u16(static_cast<std::uint16_t>(rect.width));
    out.write_u16(static_cast<std::uint16_t>(rect.height));
    if (extended) {
        out.write_u32(static_cast<std::uint32_t>(control.identifier_value()));
    } else {
        out.write_u16(static_cast<std::uint16_t>(control.identifier_value()));
    }

    if (!control.named_class().empty()) {
        out.write_text(control.named_class());
    } else if (control.atom() != 0) {
        out.write_ordinal(control.atom());
    } else {
        out.write_text(control.window_class());
    }

    if (control.text_ordinal()) {
        out.write_ordinal(*control.text_ordinal());
    } else if (control.text().empty()) {
        out.write_u16(0);
    } else {
        out.write_text(unescape_stored_text(control.text()));
    }
    // A classic template counts the count word itself; an extended one counts only the bytes.
    const auto& data = control.creation_data();
    if (data.empty()) {
        out.write_u16(0);
    } else {
        out.write_u16(static_cast<std::uint16_t>(data.size() + (extended ? 0 : 2)));
        out.write_bytes(data);
    }
}

}  // namespace

void encode_dialog_template(const Dialog& dialog, BinaryBuffer& out, TemplateContent content) {
    const bool extended = dialog.extended();
    if (extended) {
        out.write_u32(extended_signature);
        out.write_u32(0);  // help id
        out.write_u32(dialog.extended_style());
        out.write_u32(dialog.style());
    } else {
        out.write_u32(dialog.style());
        out.write_u32(dialog.extended_style());
    }
    out.write_u16(content.controls ? static_cast<std::uint16_t>(dialog.controls().size()) : 0);
    const DialogRect rect = dialog.rect();
    out.write_u16(static_cast<std::uint16_t>(rect.x));
    out.write_u16(static_cast<std::uint16_t>(rect.y));
    out.write_u16(static_cast<std::uint16_t>(rect.width));
    out.write_u16(static_cast<std::uint16_t>(rect.height));

    if (content.menu && !dialog.menu().empty()) {
        write_menu(out, dialog.menu(), dialog.workspace().symbols());
    } else {
        out.write_u16(0);
    }
    // The class is kept, so that a dialog with a window class of its own still gets it.
    if (dialog.class_name().empty()) {
        out.write_u16(0);
    } else {
        out.write_text(dialog.class_name());
    }
    out.write_text(unescape_stored_text(dialog.caption()));

    if ((dialog.style() & ws::ds_set_font) != 0) {
        const DialogFont& font = dialog.font();
        out.write_u16(font.point_size);
        if (extended) {
            out.write_u16(font.weight);
            out.write_u8(font.italic);
            out.write_u8(font.character_set);
        }
        out.write_text(font.face);
    }

    if (!content.controls) return;
    for (const auto& control : dialog.controls()) write_control(out, *control, extended);
}

}  // namespace tavorin
