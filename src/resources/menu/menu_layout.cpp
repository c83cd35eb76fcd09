#include "resources/menu/menu_layout.h"

#include <algorithm>

namespace tavorin {

namespace {

// The lists whose boxes are shown: the bar, then each popup on the way to the selection and the
// selected popup itself.
std::vector<MenuPath> open_popups(const Menu& menu, const MenuPath& selected) {
    std::vector<MenuPath> popups;
    for (std::size_t length = 1; length <= selected.size(); ++length) {
        const MenuPath prefix(selected.begin(), selected.begin() + static_cast<std::ptrdiff_t>(length));
        if (!menu.contains(prefix) || !menu.item(prefix).is_popup()) break;
        popups.push_back(prefix);
    }
    return popups;
}

}  // namespace

MenuLayout layout_menu(const Menu& menu, const MenuPath& selected, std::u16string_view placeholder_text,
                       const TextWidth& text_width, const MenuMetrics& metrics) {
    MenuLayout layout;
    int x = 0;
    const MenuItems& bar = menu.items();
    for (std::size_t i = 0; i <= bar.size(); ++i) {
        const bool placeholder = i == bar.size();
        const int width = text_width(placeholder ? placeholder_text : std::u16string_view(bar[i].text)) +
                          2 * metrics.padding;
        layout.boxes.push_back(MenuBox{{i}, placeholder, MenuRect{x, 0, x + width, metrics.bar_height}});
        x += width;
    }

    for (const MenuPath& popup : open_popups(menu, selected)) {
        const MenuRect owner = menu_box_of(layout, popup)->rect;
        const int left = popup.size() == 1 ? owner.left : owner.right;
        const int top = popup.size() == 1 ? owner.bottom : owner.top;
        const MenuItems& items = menu.item(popup).submenu;
        int width = std::max(metrics.min_list_width, text_width(placeholder_text) + 2 * metrics.padding);
        for (const MenuItem& item : items) {
            int needed = text_width(item.text) + 2 * metrics.padding;
            if (!item.shortcut.empty()) needed += metrics.shortcut_gap + text_width(item.shortcut);
            width = std::max(width, needed);
        }
        int y = top;
        for (std::size_t i = 0; i <= items.size(); ++i) {
            MenuPath path = popup;
            path.push_back(i);
            layout.boxes.push_back(
                MenuBox{std::move(path), i == items.size(), MenuRect{left, y, left + width, y + metrics.row_height}});
            y += metrics.row_height;
        }
        layout.lists.push_back(MenuRect{left, top, left + width, y});
    }
    return layout;
}

const MenuBox* menu_box_at(const MenuLayout& layout, int x, int y) {
    for (auto box = layout.boxes.rbegin(); box != layout.boxes.rend(); ++box) {
        if (box->rect.contains(x, y)) return &*box;
    }
    return nullptr;
}

const MenuBox* menu_box_of(const MenuLayout& layout, const MenuPath& path) {
    const auto found = std::find_if(layout.boxes.begin(), layout.boxes.end(),
                                    [&path](const MenuBox& box) { return box.path == path; });
    return found == layout.boxes.end() ? nullptr : &*found;
}

}  // namespace tavorin
