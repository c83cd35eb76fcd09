#pragma once
// Finding text in the captions of a menu: items are searched in the order a reader meets them,
// each popup before its own items, the top-level list first.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "resources/menu/menu.h"

namespace tavorin {

// The paths of every item, depth first.
std::vector<MenuPath> menu_item_paths(const Menu& menu);

// The next item after `after` (none: from the first item) whose caption holds `text`, wrapping
// round to the first item; the item `after` itself comes last. None when no caption holds it.
std::optional<MenuPath> find_in_captions(const Menu& menu, const std::optional<MenuPath>& after,
                                         std::u16string_view text, bool match_case);

}  // namespace tavorin
