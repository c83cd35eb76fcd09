#pragma once
// Data written in the script itself, between BEGIN and END, as Visual Studio writes RCDATA,
// DLGINIT, AFX_DIALOG_LAYOUT and custom types:
//     ID RCDATA BEGIN 1, 2L, "text\0", L"wide" END
// The values follow each other as resource compilers lay them out: a number is a 16-bit word,
// a 32-bit one with the L suffix; a string gives its characters in the ANSI code page, L"..."
// in UTF-16; nothing is added (no terminator, no alignment).

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "script/lexer.h"

namespace tavorin {

// Converts text to the bytes of the ANSI code page.
using AnsiEncoder = std::function<std::string(std::u16string_view)>;

// Whether the values start at `pos` (BEGIN or "{" after blanks).
bool inline_data_follows(const Lexer& lexer, std::size_t pos);

// From BEGIN or "{" to END or "}": the bytes and the position after the block.
Result<Scanned<std::vector<std::uint8_t>>> read_inline_data(Lexer& lexer, std::size_t pos, const AnsiEncoder& ansi);

// Whether an expression's text has a number with the L suffix (a 32-bit value in raw data).
bool has_long_suffix(std::u16string_view expression);

// The bytes of a narrow string's stored text: escapes give their byte value, other characters
// go through the ANSI code page.
std::vector<std::uint8_t> narrow_string_bytes(std::u16string_view stored, const AnsiEncoder& ansi);

}  // namespace tavorin
