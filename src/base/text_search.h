#pragma once
// Finding and replacing text as the editors' Find and Replace boxes do: without case, letters
// compare as a user typing into a find box expects (ASCII and the Latin-1 letters fold; other
// scripts compare exactly).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tavorin {

struct TextSearch {
    std::u16string_view what;
    bool match_case = false;
    bool forward = true;
};

// The first occurrence in `text` at or after `from` (forward), or the last one starting before
// `from` (backward); none for an empty search text.
std::optional<std::size_t> find_in_text(std::u16string_view text, std::size_t from, const TextSearch& search);

struct TextReplacement {
    std::u16string text;
    std::size_t count = 0;
};

// Every occurrence of `what` replaced by `with`, left to right without overlaps.
TextReplacement replace_in_text(std::u16string_view text, std::u16string_view what, std::u16string_view with,
                                bool match_case);

}  // namespace tavorin
