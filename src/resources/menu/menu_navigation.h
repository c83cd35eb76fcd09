#pragma once
// Where the keys move the selection of the menu editor. A list's positions are its items and, one
// past them, its "Type here" placeholder; paths name positions as MenuPath does.

#include <optional>

#include "resources/menu/menu.h"

namespace tavorin {

enum class MenuKey { home, end, up, down, right, left };

// The position the key selects from `selected`, or nothing when the key does not move it:
// Home and End select the first and the last item of the list (End the placeholder of an empty
// list), Up and Down step through the items and the placeholder and wrap at the ends, Right opens
// a popup's submenu at its first position, Left returns to the popup that holds the list.
std::optional<MenuPath> menu_key_target(const Menu& menu, const MenuPath& selected, MenuKey key);

}  // namespace tavorin
