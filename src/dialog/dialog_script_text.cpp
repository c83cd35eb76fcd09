// The script text of a dialog: its header statements and one statement per control.

#include "model/workspace.h"
#include "base/text.h"
#include "dialog/dialog.h"
#include "dialog/style_tables.h"
#include "dialog/window_styles.h"

namespace tavorin {

void Dialog::write_script_text(TextWriter& out, const Workspace&) const {
    out.write(name_text());
    out.write(extended_ ? u" DIALOGEX " : u" DIALOG ");
    out.write(decimal(x_));
    out.write(u", ");
    out.write(decimal(y_));
    out.write(u", ");
    out.write(decimal(width_));
    out.write(u", ");
    out.write(decimal(height_));

    out.line_break();
    out.write(u"STYLE ");
    out.write(dialog_style_text(style_));

    // WS_EX_DLGMODALFRAME alone says nothing DS_MODALFRAME does not say already.
    const std::uint32_t extended = extended_style_ & ~ws::ex_dlg_modal_frame;
    if (extended != 0) {
        StyleWriter names;
        write_extended_style_names(names, extended);
        names.zero_if_empty();
        out.line_break();
        out.write(u"EXSTYLE ");
        out.write(names.text());
    }
    if ((style_ & ws::caption) == ws::caption && !caption_.empty()) {
        out.line_break();
        out.write(u"CAPTION ");
        out.write_quoted(caption_);
    }
    if (!menu_.empty()) {
        out.line_break();
        out.write(u"MENU ");
        out.write(menu_);
    }
    if (!class_name_.empty()) {
        out.line_break();
        out.write(u"CLASS ");
        out.write_quoted(class_name_);
    }
    // A FONT statement gives the dialog DS_SETFONT when it is read again; a dialog without that
    // bit (from a compiled file) uses the system font and so has no FONT line.
    if ((style_ & ws::ds_set_font) != 0) {
        out.line_break();
        out.write(u"FONT ");
        out.write(decimal(font_.point_size));
        out.write(u", ");
        out.write_quoted(font_.face);
        if (extended_) {
            out.write(u", ");
            out.write(decimal(font_.weight));
            out.write(u", ");
            out.write(decimal(font_.italic));
            out.write(u", ");
            out.write(decimal(font_.character_set));
        }
    }

    out.line_break();
    out.open_block();
    const ControlCatalog& catalog = workspace_.control_catalog();
    for (const auto& control : controls_) {
        out.line_break();
        control->write_statement(out, catalog.entry(control->kind()));
    }
    out.close_block();
}

}  // namespace tavorin
