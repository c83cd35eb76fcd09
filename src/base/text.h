#pragma once
// UTF-16 text helpers. Text inside the program is UTF-16; conversions happen at the edges.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavorin {

// UTF-8 <-> UTF-16. Invalid UTF-8 sequences decode as U+FFFD; lone surrogates encode as U+FFFD.
std::u16string utf8_to_text(std::string_view utf8);
std::string text_to_utf8(std::u16string_view text);

// Widens ASCII (for literals and numbers built with the standard library).
std::u16string ascii_to_text(std::string_view ascii);

// Case-insensitive comparison for ASCII letters; other characters compare exactly.
char16_t ascii_lower(char16_t c);
char16_t ascii_upper(char16_t c);
bool equals_ignore_case(std::u16string_view a, std::u16string_view b);
std::u16string to_ascii_lower(std::u16string_view text);
std::u16string to_ascii_upper(std::u16string_view text);

bool starts_with(std::u16string_view text, std::u16string_view prefix);
bool ends_with(std::u16string_view text, std::u16string_view suffix);

// Replaces "%1" and "%2" with the given texts (a UI string's placeholders).
std::u16string fill_placeholders(std::u16string_view pattern, std::u16string_view first,
                                 std::u16string_view second = {});

std::u16string decimal(std::int64_t value);
// Upper-case hexadecimal with at least `digits` digits, no prefix.
std::u16string hexadecimal(std::uint32_t value, int digits = 1);
// A text that is wholly a number as users type one: decimal, or hexadecimal after "0x", of at
// most ten digits, without sign or blanks. Nothing for any other text.
std::optional<std::uint64_t> parse_typed_number(std::u16string_view text);

}  // namespace tavorin
