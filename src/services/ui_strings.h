#pragma once
// Every text the user sees, addressed by number. The English table is built in; a language file
// replaces any of its entries line by line. Numbers from 0xFFFF read a second table of texts that
// are never translated.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavorin {

class UiStrings {
public:
    // Entries 0 to 989 keep their fixed numbers; the texts of later editors follow them, each
    // editor in its own block of numbers (unused entries are empty lines).
    static constexpr std::size_t count = 1420;
    static constexpr std::uint32_t untranslated_first = 0xFFFF;
    static constexpr std::size_t untranslated_count = 40;

    UiStrings();

    // An entry's text; an unknown number gives an empty text.
    const std::u16string& text(std::uint32_t number) const;

    // Replaces the entries given by a language file's lines; entries the file leaves out or
    // leaves empty keep their built-in texts. Lines past the last entry are ignored. Installing
    // again starts from the built-in table.
    void install_language_text(std::u16string_view file_text);
    void reset_to_built_in();

private:
    std::array<std::u16string, count> active_;
};

// Splits a language file's text into lines (CR LF, lone CR or lone LF) and resolves the escapes
// of each: a backslash and an escape letter give the character, "\0" gives a NUL (the file-dialog
// filters need it), a backslash before anything else ends the entry. An empty line gives no
// entry (nullopt), so the built-in text stays; a line that only resolves to nothing, such as
// "\d", is an empty entry. At most `count` lines are used.
std::vector<std::optional<std::u16string>> parse_language_lines(std::u16string_view file_text);

// The entries of the built-in table, read from the embedded English file.
const std::array<std::u16string, UiStrings::count>& built_in_strings();

// "English" followed by the base name of every "*.txt" file in the languages folder.
std::vector<std::u16string> language_list(const std::filesystem::path& languages_folder);

}  // namespace tavorin
