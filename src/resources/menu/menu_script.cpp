// The script text of a menu, in the form the menu is kept in:
//
//     IDR_MENU1 MENU                          IDR_MENU1 MENUEX
//     {                                       {
//         POPUP "&File"                           POPUP "&File", 0, 0, 0
//         {                                       {
//             MENUITEM "&Open\tCtrl+O", ID_OPEN       MENUITEM "&Open", ID_OPEN, 0, MFS_CHECKED
//             MENUITEM SEPARATOR                      MENUITEM "", 0, MFT_SEPARATOR, 0
//         }                                       }
//     }                                       }

#include <string_view>
#include <utility>

#include "resources/menu/menu.h"

namespace tavorin {

namespace {

void write_caption(TextWriter& out, const MenuItem& item) { out.write_quoted(joined_caption(item, u"\\t")); }

void write_identifier(TextWriter& out, const MenuItem& item) {
    out.write(item.identifier.empty() ? std::u16string_view(u"0") : std::u16string_view(item.identifier));
}

void write_classic_options(TextWriter& out, const MenuItem& item) {
    constexpr std::pair<std::uint32_t, std::u16string_view> options[] = {
        {menu_flag::checked, u", CHECKED"},   {menu_flag::help, u", HELP"},
        {menu_flag::grayed, u", GRAYED"},     {menu_flag::inactive, u", INACTIVE"},
        {menu_flag::owner_draw, u", OWNERDRAW"}, {menu_flag::bitmap, u", BITMAP"},
    };
    for (const auto& [flag, text] : options) {
        if (item.has(flag)) out.write(text);
    }
    if (item.break_kind() == MenuBreak::column) out.write(u", MENUBREAK");
    if (item.break_kind() == MenuBreak::bar) out.write(u", MENUBARBREAK");
}

// Names joined by " | ", or "0" when there are none.
void write_name_list(TextWriter& out, std::initializer_list<std::pair<bool, std::u16string_view>> names) {
    bool any = false;
    for (const auto& [set, name] : names) {
        if (!set) continue;
        if (any) out.write(u" | ");
        out.write(name);
        any = true;
    }
    if (!any) out.write(u'0');
}

// Breaks and help (right justification) are kept as types too, so that the extended form loses
// none of the item's flags.
void write_extended_fields(TextWriter& out, const MenuItem& item) {
    out.write(u", ");
    write_identifier(out, item);
    out.write(u", ");
    write_name_list(out, {{item.has(menu_flag::owner_draw), u"MFT_OWNERDRAW"},
                          {item.has(menu_flag::bitmap), u"MFT_BITMAP"},
                          {item.is_separator(), u"MFT_SEPARATOR"},
                          {item.break_kind() == MenuBreak::column, u"MFT_MENUBREAK"},
                          {item.break_kind() == MenuBreak::bar, u"MFT_MENUBARBREAK"},
                          {item.has(menu_flag::help), u"MFT_RIGHTJUSTIFY"}});
    out.write(u", ");
    write_name_list(out, {{item.has(menu_flag::checked), u"MFS_CHECKED"},
                          {item.has(menu_flag::grayed) || item.has(menu_flag::inactive), u"MFS_GRAYED"},
                          {item.has(menu_flag::default_item), u"MFS_DEFAULT"}});
}

void write_items(TextWriter& out, const MenuItems& items, bool extended) {
    for (const MenuItem& item : items) {
        out.line_break();
        out.write(item.is_popup() ? u"POPUP " : u"MENUITEM ");
        if (extended) {
            write_caption(out, item);
            write_extended_fields(out, item);
        } else if (item.is_separator()) {
            out.write(u"SEPARATOR");
        } else {
            write_caption(out, item);
            if (!item.is_popup()) {
                out.write(u", ");
                write_identifier(out, item);
            }
            write_classic_options(out, item);
        }
        if (item.is_popup()) {
            out.line_break();
            out.open_block();
            write_items(out, item.submenu, extended);
            out.close_block();
        }
    }
}

}  // namespace

void Menu::write_script_text(TextWriter& out, const Workspace&) const {
    out.write(name_text());
    out.write(extended_ ? u" MENUEX" : u" MENU");
    out.line_break();
    out.open_block();
    write_items(out, items_, extended_);
    out.close_block();
}

}  // namespace tavorin
