#pragma once
// The escape tables (escape letter <-> character) and the hex digit table, shared by the
// lexer, the writers and the stored form of texts.

#include <cstdint>
#include <string>
#include <string_view>

namespace tavorin {

// The character an escape letter stands for ('n' -> 10, '\\' -> '\\'), or 0 when `letter`
// is not an escape letter. Only characters below 128 are escape letters.
char16_t escape_character(char16_t letter);

// The escape letter of a character (10 -> 'n', '"' -> '"'), or 0 when it has none.
char16_t escape_letter(char16_t character);

// The value of a hex digit, or -1.
int hex_digit_value(char16_t c);

// Stored form of texts read from binary data: each character with an escape letter becomes a
// backslash and the letter.
std::u16string escape_stored_text(std::u16string_view raw);

// The reverse, for texts written as binary data: a backslash followed by an escape letter
// becomes the character; any other backslash stays as it stands.
std::u16string unescape_stored_text(std::u16string_view stored);

}  // namespace tavorin
