#include "script/position_map.h"

#include <algorithm>

namespace tavorin {

void PositionMap::record(std::size_t offset, std::u16string_view macro_name) {
    std::uint32_t index;
    if (auto it = name_indexes_.find(macro_name); it != name_indexes_.end()) {
        index = it->second;
    } else {
        index = static_cast<std::uint32_t>(names_.size());
        names_.emplace_back(macro_name);
        name_indexes_.emplace(std::u16string(macro_name), index);
    }
    if (!entries_.empty() && entries_.back().offset >= offset) {
        // Out of order: keep the entries sorted so that lookups can search them.
        auto it = std::lower_bound(entries_.begin(), entries_.end(), offset,
                                   [](const Entry& e, std::size_t o) { return e.offset < o; });
        if (it != entries_.end() && it->offset == offset) {
            it->name = index;
        } else {
            entries_.insert(it, Entry{offset, index});
        }
        return;
    }
    entries_.push_back(Entry{offset, index});
}

std::optional<std::u16string_view> PositionMap::name_at(std::size_t offset) const {
    auto it = std::lower_bound(entries_.begin(), entries_.end(), offset,
                               [](const Entry& e, std::size_t o) { return e.offset < o; });
    if (it == entries_.end() || it->offset != offset) return std::nullopt;
    return names_[it->name];
}

void PositionMap::clear() {
    entries_.clear();
    names_.clear();
    name_indexes_.clear();
}

}  // namespace tavorin
