#pragma once
// Where macro values were expanded in a preprocessed script: the offset in the output at which
// a value starts, with the macro's name. The parser uses it to give a resource or an item the
// symbolic name it had in the source.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/flat_text_map.h"

namespace tavorin {

class PositionMap {
public:
    // Offsets are recorded in increasing order while the output grows; recording the same
    // offset again replaces its name. `serial` tells definitions apart (the macro table's), so
    // that a name mentioned again is found without hashing it.
    void record(std::size_t offset, std::u16string_view macro_name, std::uint32_t serial);

    struct Mention {
        std::u16string_view name;
        std::uint32_t index;  // the same for every mention of the same name
    };

    // The macro whose value starts exactly at `offset`.
    std::optional<Mention> mention_at(std::size_t offset) const;
    std::optional<std::u16string_view> name_at(std::size_t offset) const {
        auto mention = mention_at(offset);
        return mention ? std::optional<std::u16string_view>(mention->name) : std::nullopt;
    }
    // How many different names were recorded: mention indexes are below it.
    std::size_t name_count() const { return names_.size(); }

    std::size_t size() const { return entries_.size(); }
    void clear();

private:
    struct Entry {
        std::size_t offset;
        std::uint32_t name;
    };
    std::vector<Entry> entries_;
    // The parser asks in increasing order: the next question is usually at or just after the
    // last answer.
    mutable std::size_t hint_ = 0;
    // Each macro name once: a big script mentions the same few hundred names many times.
    std::vector<std::u16string> names_;
    FlatTextMap<std::uint32_t> name_indexes_;
    std::vector<std::uint32_t> index_by_serial_;  // name index + 1, 0 when not yet known
};

}  // namespace tavorin
