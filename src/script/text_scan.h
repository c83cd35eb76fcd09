#pragma once
// White space and line helpers shared by the preprocessor, the lexer and the evaluator. They work
// on positions in a text and return the position after what they passed.

#include <cstddef>
#include <string_view>

namespace tavorin {

// Length of a line break at `pos` (LF, CR LF), else 0.
std::size_t line_break_length(std::u16string_view text, std::size_t pos);

// Length of a continuation at `pos`: a backslash directly before a line break, else 0.
std::size_t continuation_length(std::u16string_view text, std::size_t pos);

// Blanks, tabs, carriage returns, line feeds and continuations.
std::size_t skip_white(std::u16string_view text, std::size_t pos);

// Blanks and tabs only.
std::size_t skip_blanks_and_tabs(std::u16string_view text, std::size_t pos);

// The end of a directive line: the next line feed that does not follow a continuation (or the
// end of the text). The line feed itself is not included.
std::size_t logical_line_end(std::u16string_view text, std::size_t pos);

// Identifier characters from `pos` on.
std::size_t identifier_end(std::u16string_view text, std::size_t pos);

}  // namespace tavorin
