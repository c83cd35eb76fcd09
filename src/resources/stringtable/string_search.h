#pragma once
// Finding and replacing text in the strings of a string table: the search runs over the stored
// texts in list order and wraps around the ends.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/text_search.h"
#include "resources/stringtable/string_table.h"

namespace tavorin {

struct StringMatch {
    std::size_t row = 0;
    std::size_t offset = 0;  // within the row's stored text
};

// The next row after `row` (before it, backward) whose text holds the search text, wrapping
// around and ending with `row` itself; none when no row holds it. Without a current row the
// search starts at the first (last) row.
std::optional<StringMatch> find_next_string(std::span<const StringEntry> entries, std::optional<std::size_t> row,
                                            const TextSearch& search);

}  // namespace tavorin
