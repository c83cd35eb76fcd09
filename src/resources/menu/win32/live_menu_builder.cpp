#include "resources/menu/win32/live_menu_builder.h"

#include "platform/win32/wide_text.h"
#include "resources/menu/live_menu.h"

namespace tavorin {

namespace {

void append_items(HMENU target, const Menu& menu, const MenuItems& items) {
    for (const MenuItem& item : items) {
        const LiveMenuEntry entry = live_menu_entry(item, static_cast<std::uint32_t>(menu.value_of(item)));
        UINT_PTR id = entry.id;
        if (entry.popup) {
            UniqueMenu submenu(CreatePopupMenu());
            append_items(submenu.get(), menu, item.submenu);
            // The parent menu owns the submenu once it is appended.
            id = reinterpret_cast<UINT_PTR>(submenu.release());
        }
        const std::wstring text = wide(entry.text);
        AppendMenuW(target, entry.flags, id, (entry.flags & live_menu_flag::separator) ? nullptr : text.c_str());
    }
}

}  // namespace

UniqueMenu build_live_menu(const Menu& menu, bool bar) {
    UniqueMenu result(bar ? CreateMenu() : CreatePopupMenu());
    if (result) append_items(result.get(), menu, menu.items());
    return result;
}

}  // namespace tavorin
