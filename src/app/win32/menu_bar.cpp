#include "app/win32/menu_bar.h"

#include <string>

#include "app/main_menu.h"
#include "platform/win32/wide_text.h"

namespace tavorin {

namespace {

// A submenu carries an id of its own besides its handle, so that it can be greyed by command
// like any item.
bool append_item(HMENU menu, const MenuBarItem& item, const UiStrings& strings);

bool append_items(HMENU menu, std::span<const MenuBarItem> items, const UiStrings& strings) {
    for (const auto& item : items) {
        if (!append_item(menu, item, strings)) return false;
    }
    return true;
}

bool append_item(HMENU menu, const MenuBarItem& item, const UiStrings& strings) {
    if (item.kind == MenuBarItem::Kind::separator) return AppendMenuW(menu, MF_SEPARATOR, 0, nullptr) != FALSE;

    std::wstring text = wide(strings.text(item.text));
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE;
    info.fType = MFT_STRING;
    info.wID = static_cast<UINT>(item.id);
    info.dwTypeData = text.data();

    UniqueMenu submenu;
    if (item.kind == MenuBarItem::Kind::submenu) {
        submenu.reset(CreatePopupMenu());
        if (!submenu || !append_items(submenu.get(), item.items, strings)) return false;
        info.fMask |= MIIM_SUBMENU;
        info.hSubMenu = submenu.get();
    }
    if (!InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info)) return false;
    submenu.release();  // the parent menu owns it now
    return true;
}

}  // namespace

UniqueMenu create_menu_bar(const UiStrings& strings) {
    UniqueMenu bar(CreateMenu());
    if (!bar) return bar;
    for (const auto& menu : main_menu_bar()) {
        const MenuBarItem popup{MenuBarItem::Kind::submenu, 0, menu.text, menu.items};
        if (!append_item(bar.get(), popup, strings)) return UniqueMenu();
    }
    return bar;
}

void enable_project_items(HMENU menu_bar, bool project_open) {
    const UINT state = MF_BYCOMMAND | (project_open ? MF_ENABLED : MF_GRAYED);
    for (const auto& menu : main_menu_bar()) {
        for (const auto& item : menu.items) {
            if (needs_open_project(item.id)) EnableMenuItem(menu_bar, static_cast<UINT>(item.id), state);
        }
    }
}

}  // namespace tavorin
