#pragma once
// Text prepared for a multi-line edit control, which breaks lines only at CR LF, and the span
// of one line in it (the parse-error view selects the erroneous line).

#include <cstddef>
#include <string>
#include <string_view>

namespace tavorin {

// Every lone LF and lone CR becomes CR LF.
std::u16string with_crlf_line_breaks(std::u16string_view text);

struct TextSpan {
    std::size_t start = 0;
    std::size_t end = 0;
};

// Line `line` (1-based) of a CR LF text, from its first character to the first character of
// the next line; a line beyond the last gives the empty span at the end.
TextSpan line_span(std::u16string_view text, int line);

}  // namespace tavorin
