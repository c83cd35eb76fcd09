#pragma once
// Finding and replacing text in the strings of a string table: the search runs over the stored
// texts in list order and wraps around the ends.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "resources/stringtable/string_table.h"

namespace tavorin {

struct StringMatch {
    std::size_t row = 0;
    std::size_t offset = 0;  // within the row's stored text
};

struct TextSearch {
    std::u16string_view what;
    bool match_case = false;
    bool forward = true;
};

// The first occurrence in `text` at or after `from` (forward), or the last one starting before
// `from` (backward); none for an empty search text.
std::optional<std::size_t> find_in_text(std::u16string_view text, std::size_t from, const TextSearch& search);

// The next row after `row` (before it, backward) whose text holds the search text, wrapping
// around and ending with `row` itself; none when no row holds it. Without a current row the
// search starts at the first (last) row.
std::optional<StringMatch> find_next_string(std::span<const StringEntry> entries, std::optional<std::size_t> row,
                                            const TextSearch& search);

struct TextReplacement {
    std::u16string text;
    std::size_t count = 0;
};

// Every occurrence of `what` replaced by `with`, left to right without overlaps.
TextReplacement replace_in_text(std::u16string_view text, std::u16string_view what, std::u16string_view with,
                                bool match_case);

}  // namespace tavorin
