#include "resources/menu/menu_search.h"

#include <algorithm>

#include "base/text.h"

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

std::size_t find_text(std::u16string_view text, std::u16string_view pattern, std::size_t from, bool match_case) {
    if (pattern.empty() || pattern.size() > text.size()) return std::u16string_view::npos;
    for (std::size_t i = from; i + pattern.size() <= text.size(); ++i) {
        const std::u16string_view part = text.substr(i, pattern.size());
        if (match_case ? part == pattern : equals_ignore_case(part, pattern)) return i;
    }
    return std::u16string_view::npos;
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
        if (find_text(menu.item(path).text, text, 0, match_case) != std::u16string_view::npos) return path;
    }
    return std::nullopt;
}

std::u16string replace_all(std::u16string_view text, std::u16string_view pattern, std::u16string_view replacement,
                           bool match_case) {
    std::u16string result;
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = find_text(text, pattern, from, match_case);
        if (at == std::u16string_view::npos) break;
        result.append(text.substr(from, at - from));
        result.append(replacement);
        from = at + pattern.size();
    }
    result.append(text.substr(from));
    return result;
}

}  // namespace tavorin
