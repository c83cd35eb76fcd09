#pragma once
// Where the menu editor draws a menu: the menu bar across the top with a "Type here" box after
// its last item, and under the selection the drop-down list of every open popup, each list
// ending with its own "Type here" box. A popup's list is open while the popup or one of its
// items is selected; a top-level popup's list hangs under it, a deeper one beside its popup.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "resources/menu/menu.h"

namespace tavorin {

struct MenuRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    friend bool operator==(const MenuRect&, const MenuRect&) = default;
};

struct MenuBox {
    // An item's path, or for a placeholder the position one past the list's last item.
    MenuPath path;
    bool placeholder = false;
    MenuRect rect;
};

struct MenuMetrics {
    int bar_height = 22;
    int row_height = 22;
    // Space left and right of a caption.
    int padding = 8;
    // Space between a caption and its shortcut in a list.
    int shortcut_gap = 24;
    int min_list_width = 120;
};

struct MenuLayout {
    std::vector<MenuBox> boxes;
    // The frames of the open drop-down lists, outermost first.
    std::vector<MenuRect> lists;
};

using TextWidth = std::function<int(std::u16string_view)>;

MenuLayout layout_menu(const Menu& menu, const MenuPath& selected, std::u16string_view placeholder_text,
                       const TextWidth& text_width, const MenuMetrics& metrics = {});

// The box under a point, the last drawn (the innermost list) first.
const MenuBox* menu_box_at(const MenuLayout& layout, int x, int y);
const MenuBox* menu_box_of(const MenuLayout& layout, const MenuPath& path);

}  // namespace tavorin
