#pragma once
// How the script reader classifies characters. Letters of any script count as letters: resource
// scripts name symbols in the user's language as well.

namespace tavorin {

constexpr bool is_ascii_digit(char16_t c) { return c >= u'0' && c <= u'9'; }

constexpr bool is_ascii_letter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

// Non-ASCII code units count as letters except the Latin-1 symbols, the general punctuation and
// CJK punctuation blocks and the byte-order mark.
constexpr bool is_other_letter(char16_t c) {
    if (c < 0xC0) return false;
    if (c == 0xD7 || c == 0xF7) return false;
    if (c >= 0x2000 && c <= 0x206F) return false;
    if (c >= 0x3000 && c <= 0x303F) return false;
    return c != 0xFEFF;
}

constexpr bool is_letter(char16_t c) { return is_ascii_letter(c) || is_other_letter(c); }

constexpr bool is_letter_or_digit(char16_t c) { return is_letter(c) || is_ascii_digit(c); }

// Identifiers are letters, digits, "_" and "$".
constexpr bool is_identifier_char(char16_t c) { return is_letter_or_digit(c) || c == u'_' || c == u'$'; }

// Where an identifier may start in running text: a letter or "_".
constexpr bool is_identifier_start(char16_t c) { return is_letter(c) || c == u'_'; }

constexpr bool is_blank(char16_t c) { return c == u' ' || c == u'\t'; }

// Blanks, tabs and both halves of a line break.
constexpr bool is_white(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

}  // namespace tavorin
