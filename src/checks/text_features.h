#pragma once
// What the checks look at in a text: its mnemonic, the text as drawn, its placeholders and the
// parts a translation has to keep. Texts are raw here (escapes resolved).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavorin {

// The character after the first single '&' ("&&" draws one ampersand), upper-cased for ASCII
// letters; none when there is no mnemonic.
std::optional<char16_t> mnemonic_of(std::u16string_view text);

// The text as drawn with prefix processing: a single '&' is dropped, "&&" draws one '&'.
std::u16string drawn_text(std::u16string_view text);

// The placeholders in order: printf forms ("%s", "%-5.2ld", "%%" aside), message forms ("%1",
// "%1!s!", "%12") and .NET forms ("{0}", "{1:N2}").
std::vector<std::u16string> placeholders_of(std::u16string_view text);

// Single ampersands (a "&&" counts as none).
std::size_t ampersand_count(std::u16string_view text);
std::size_t line_break_count(std::u16string_view text);
// A one-line text with a tab: the tab separates a shortcut.
bool has_tab_part(std::u16string_view text);
bool has_leading_blank(std::u16string_view text);
bool has_trailing_blank(std::u16string_view text);
// ":" , "..." or the ellipsis character at the end (blanks and a trailing "(&X)" aside); empty
// when none.
std::u16string_view trailing_punctuation(std::u16string_view text);

// A text for a message: quoted, shortened to 60 characters, control characters as escapes.
std::u16string quoted_for_message(std::u16string_view text);

}  // namespace tavorin
