#include "resources/menu/menu_code.h"

#include "base/text.h"
#include "model/c_string_literal.h"
#include "resources/menu/menu.h"

namespace tavorin {

namespace {

// Every item, top-level or not, gets the break its break field names.
std::u16string_view break_flag(const MenuItem& item) {
    switch (item.break_kind()) {
        case MenuBreak::column: return u" | MF_MENUBREAK";
        case MenuBreak::bar: return u" | MF_MENUBARBREAK";
        default: return {};
    }
}

void write_list(TextWriter& out, const MenuItems& items, const std::u16string& variable, const CodeContext& context) {
    int popups = 0;
    for (const MenuItem& item : items) {
        std::u16string submenu;
        if (item.is_popup()) {
            submenu = variable + u"_" + decimal(++popups);
            out.write(u"HMENU ");
            out.write(submenu);
            out.write(u" = CreatePopupMenu();");
            out.line_break();
            write_list(out, item.submenu, submenu, context);
        }

        out.write(u"AppendMenu(");
        out.write(variable);
        out.write(u", ");
        if (item.is_separator()) {
            out.write(u"MF_SEPARATOR, 0, 0");
        } else {
            out.write(u"MF_STRING");
            if (item.is_popup()) out.write(u" | MF_POPUP");
            if (item.has(menu_flag::checked)) out.write(u" | MF_CHECKED");
            if (item.has(menu_flag::grayed)) out.write(u" | MF_GRAYED");
            if (item.has(menu_flag::inactive)) out.write(u" | MF_DISABLED");
            out.write(break_flag(item));
            out.write(u", ");
            if (item.is_popup()) {
                out.write(u"(UINT_PTR)");
                out.write(submenu);
            } else {
                // An item without identifier still needs an argument that compiles.
                out.write(item.identifier.empty() ? std::u16string_view(u"0") : item.identifier);
            }
            out.write(u", ");
            out.write(c_string_literal(joined_caption(item, u"\\t"), context));
        }
        out.write(u");");
        out.line_break();
    }
}

}  // namespace

void write_menu_code(TextWriter& out, const Menu& menu, int number, const CodeContext& context) {
    const std::u16string variable = u"hmenu" + decimal(number);
    out.write(u"HMENU ");
    out.write(variable);
    out.write(u" = CreateMenu();");
    out.line_break();
    write_list(out, menu.items(), variable, context);
}

}  // namespace tavorin
