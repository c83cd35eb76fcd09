#include "resources/menu/live_menu.h"

#include "base/escapes.h"

namespace tavorin {

LiveMenuEntry live_menu_entry(const MenuItem& item, std::uint32_t identifier_value) {
    LiveMenuEntry entry;
    if (item.is_separator()) {
        entry.flags = live_menu_flag::separator;
        return entry;
    }
    if (item.has(menu_flag::checked)) entry.flags |= live_menu_flag::checked;
    if (item.has(menu_flag::grayed)) entry.flags |= live_menu_flag::grayed;
    if (item.has(menu_flag::inactive)) entry.flags |= live_menu_flag::disabled;
    if (item.is_popup()) {
        entry.flags |= live_menu_flag::popup;
        entry.popup = true;
    } else {
        entry.id = identifier_value;
    }
    entry.text = unescape_stored_text(joined_caption(item, u"\t"));
    return entry;
}

}  // namespace tavorin
