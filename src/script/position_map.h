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

#include "script/text_hash.h"

namespace tavorin {

class PositionMap {
public:
    // Offsets are recorded in increasing order while the output grows; recording the same
    // offset again replaces its name.
    void record(std::size_t offset, std::u16string_view macro_name);

    // The macro whose value starts exactly at `offset`.
    std::optional<std::u16string_view> name_at(std::size_t offset) const;

    std::size_t size() const { return entries_.size(); }
    void clear();

private:
    struct Entry {
        std::size_t offset;
        std::uint32_t name;
    };
    std::vector<Entry> entries_;
    // Each macro name once: a big script mentions the same few hundred names many times.
    std::vector<std::u16string> names_;
    TextMap<std::uint32_t> name_indexes_;
};

}  // namespace tavorin
