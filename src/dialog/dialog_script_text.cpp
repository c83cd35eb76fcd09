// The script text of a dialog: its header statements and one statement per control.

#include "dialog/dialog_script_parts.h"

#include "model/workspace.h"
#include "base/text.h"
#include "dialog/dialog.h"
#include "dialog/style_tables.h"
#include "dialog/window_styles.h"

namespace tavorin {

void write_dialog_header(TextWriter& out, const Dialog& dialog) {
    const DialogRect rect = dialog.rect();
    const std::uint32_t style = dialog.style();
    out.write(dialog.name_text());
    out.write(dialog.extended() ? u" DIALOGEX " : u" DIALOG ");
    out.write(decimal(rect.x));
    out.write(u", ");
    out.write(decimal(rect.y));
    out.write(u", ");
    out.write(decimal(rect.width));
    out.write(u", ");
    out.write(decimal(rect.height));

    out.line_break();
    out.write(u"STYLE ");
    out.write(dialog_style_text(style));

    // WS_EX_DLGMODALFRAME alone says nothing DS_MODALFRAME does not say already.
    const std::uint32_t extended = dialog.extended_style() & ~ws::ex_dlg_modal_frame;
    if (extended != 0) {
        StyleWriter names;
        write_extended_style_names(names, extended);
        names.zero_if_empty();
        out.line_break();
        out.write(u"EXSTYLE ");
        out.write(names.text());
    }
    if ((style & ws::caption) == ws::caption && !dialog.caption().empty()) {
        out.line_break();
        out.write(u"CAPTION ");
        out.write_quoted(dialog.caption());
    }
    if (!dialog.menu().empty()) {
        out.line_break();
        out.write(u"MENU ");
        out.write(dialog.menu());
    }
    if (!dialog.class_name().empty()) {
        out.line_break();
        out.write(u"CLASS ");
        out.write_quoted(dialog.class_name());
    }
    // A FONT statement gives the dialog DS_SETFONT when it is read again; a dialog without that
    // bit (from a compiled file) uses the system font and so has no FONT line.
    if ((style & ws::ds_set_font) != 0) {
        const DialogFont& font = dialog.font();
        out.line_break();
        out.write(u"FONT ");
        out.write(decimal(font.point_size));
        out.write(u", ");
        out.write_quoted(font.face);
        if (dialog.extended()) {
            out.write(u", ");
            out.write(decimal(font.weight));
            out.write(u", ");
            out.write(decimal(font.italic));
            out.write(u", ");
            out.write(decimal(font.character_set));
        }
    }
}

void write_control_statement(TextWriter& out, const Dialog& dialog, const Control& control) {
    control.write_statement(out, dialog.workspace().control_catalog().entry(control.kind()));
}

void Dialog::write_script_text(TextWriter& out, const Workspace&) const {
    write_dialog_header(out, *this);
    out.line_break();
    out.open_block();
    for (const auto& control : controls_) {
        out.line_break();
        write_control_statement(out, *this, *control);
    }
    out.close_block();
}

}  // namespace tavorin
