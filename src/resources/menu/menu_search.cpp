#include "resources/menu/menu_search.h"

#include <algorithm>

#include "base/text_search.h"

namespace tavorin {

namespace {

void collect(const MenuItems& items, MenuPath& prefix, std::vector<MenuPath>& out) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        prefix.push_back(i);
        out.push_back(prefix);
        collect(items[i].submenu, prefix, out);
        prefix.pop_back();
    }
}

}  // namespace

std::vector<MenuPath> menu_item_paths(const Menu& menu) {
    std::vector<MenuPath> paths;
    MenuPath prefix;
    collect(menu.items(), prefix, paths);
    return paths;
}

std::optional<MenuPath> find_in_captions(const Menu& menu, const std::optional<MenuPath>& after,
                                         std::u16string_view text, bool match_case) {
    const std::vector<MenuPath> paths = menu_item_paths(menu);
    if (paths.empty() || text.empty()) return std::nullopt;
    std::size_t start = 0;
    if (after) {
        const auto found = std::find(paths.begin(), paths.end(), *after);
        if (found != paths.end()) start = static_cast<std::size_t>(found - paths.begin()) + 1;
    }
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const MenuPath& path = paths[(start + i) % paths.size()];
        if (find_in_text(menu.item(path).text, 0, TextSearch{text, match_case, true})) return path;
    }
    return std::nullopt;
}

}  // namespace tavorin
