#include "resources/menu/menu_navigation.h"

namespace tavorin {

std::optional<MenuPath> menu_key_target(const Menu& menu, const MenuPath& selected, MenuKey key) {
    if (!menu.can_insert_at(selected)) return std::nullopt;
    const std::size_t items = menu.list_of(selected).size();
    const std::size_t positions = items + 1;  // the placeholder is the last position
    MenuPath target = selected;
    switch (key) {
        case MenuKey::home: target.back() = 0; break;
        case MenuKey::end: target.back() = items == 0 ? 0 : items - 1; break;
        case MenuKey::up: target.back() = (selected.back() + positions - 1) % positions; break;
        case MenuKey::down: target.back() = (selected.back() + 1) % positions; break;
        case MenuKey::right:
            if (!menu.contains(selected) || !menu.item(selected).is_popup()) return std::nullopt;
            target.push_back(0);
            break;
        case MenuKey::left:
            if (selected.size() < 2) return std::nullopt;
            target.pop_back();
            break;
    }
    return target;
}

std::optional<MenuPath> menu_move_target(const Menu& menu, const MenuPath& item, MenuMove move) {
    if (!menu.contains(item)) return std::nullopt;
    const std::size_t index = item.back();
    const std::size_t items = menu.list_of(item).size();
    MenuPath target = item;
    switch (move) {
        case MenuMove::up:
            if (index == 0) return std::nullopt;
            target.back() = index - 1;
            break;
        case MenuMove::down:
            if (index + 1 >= items) return std::nullopt;
            target.back() = index + 1;
            break;
        case MenuMove::out:
            if (item.size() < 2) return std::nullopt;
            target.pop_back();
            ++target.back();
            break;
        case MenuMove::in: {
            if (index == 0) return std::nullopt;
            target.back() = index - 1;
            const MenuItem& before = menu.item(target);
            if (!before.is_popup()) return std::nullopt;
            target.push_back(before.submenu.size());
            break;
        }
    }
    return target;
}

}  // namespace tavorin
