#include "script/position_map.h"

#include <algorithm>

namespace tavorin {

void PositionMap::record(std::size_t offset, std::u16string_view macro_name, std::uint32_t serial) {
    if (serial >= index_by_serial_.size()) index_by_serial_.resize(serial + 1 + serial / 2, 0);
    std::uint32_t index;
    if (index_by_serial_[serial] != 0) {
        index = index_by_serial_[serial] - 1;
    } else if (auto it = name_indexes_.find(macro_name); it != name_indexes_.end()) {
        index = it->second;
    } else {
        index = static_cast<std::uint32_t>(names_.size());
        names_.emplace_back(macro_name);
        name_indexes_.emplace(std::u16string(macro_name), index);
    }
    index_by_serial_[serial] = index + 1;
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

std::optional<PositionMap::Mention> PositionMap::mention_at(std::size_t offset) const {
    std::size_t index = hint_;
    if (index < entries_.size() && entries_[index].offset <= offset) {
        for (int step = 0; step < 4 && index < entries_.size() && entries_[index].offset < offset; ++step) ++index;
    }
    if (index >= entries_.size() || entries_[index].offset < offset ||
        (index > 0 && entries_[index - 1].offset >= offset)) {
        index = static_cast<std::size_t>(
            std::lower_bound(entries_.begin(), entries_.end(), offset,
                             [](const Entry& e, std::size_t o) { return e.offset < o; }) -
            entries_.begin());
    }
    hint_ = index;
    if (index >= entries_.size() || entries_[index].offset != offset) return std::nullopt;
    return Mention{names_[entries_[index].name], entries_[index].name};
}

void PositionMap::clear() {
    hint_ = 0;
    entries_.clear();
    names_.clear();
    name_indexes_.clear();
    index_by_serial_.clear();
}

}  // namespace tavorin
