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

enum class MenuMove { up, down, out, in };

// Where an item goes when the user moves it, as the position move_item takes (the menu once the
// item is taken out): up and down swap it with its neighbour in the list, out puts it after the
// popup that holds it, in puts it at the end of the popup just before it. None when the move is
// not possible (a placeholder, the first or last item, a top-level item moved out, no popup
// before it).
std::optional<MenuPath> menu_move_target(const Menu& menu, const MenuPath& item, MenuMove move);

}  // namespace tavorin
