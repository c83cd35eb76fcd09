// The translations shipped in data/languages: every file has an entry for each text of the
// built-in table and none where the table has none, keeps the placeholders, escapes and the
// line format, and installs as the UI strings.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/file_io.h"
#include "base/text.h"
#include "services/string_ids.h"
#include "services/ui_strings.h"

namespace tavorin {
namespace {

const std::filesystem::path languages_folder = std::filesystem::path(TAVORIN_SOURCE_DIR) / "data" / "languages";

std::size_t count_of(std::u16string_view text, std::u16string_view part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::u16string_view::npos; at = text.find(part, at + part.size())) ++count;
    return count;
}

TEST(ShippedTranslations, CoverEveryBuiltInTextInTheFileFormat) {
    const auto names = language_list(languages_folder);
    ASSERT_GE(names.size(), 2u) << "no translation besides English";
    for (std::size_t n = 1; n < names.size(); ++n) {
        SCOPED_TRACE(text_to_utf8(names[n]));
        const auto bytes = read_file_bytes(languages_folder / std::filesystem::path(names[n] + u".txt"));
        ASSERT_TRUE(bytes.ok());
        const std::string raw(bytes->begin(), bytes->end());
        const std::u16string text = utf8_to_text(raw);
        ASSERT_EQ(text_to_utf8(text), raw) << "not UTF-8";
        ASSERT_EQ(count_of(text, u"\r\n"), UiStrings::count);
        ASSERT_EQ(count_of(text, u"\n"), UiStrings::count) << "a line break without CR";

        const auto lines = parse_language_lines(text);
        const auto& english = built_in_strings();
        for (std::size_t i = 0; i < UiStrings::count; ++i) {
            const bool translated = i < lines.size() && lines[i].has_value();
            EXPECT_EQ(translated, !english[i].empty()) << "entry " << i;
            if (!translated) continue;
            const std::u16string_view kept_parts[] = {u"%1", u"%2", u"\r\n", u"\n", u"\t", std::u16string_view(u"\0", 1)};
            for (const std::u16string_view kept : kept_parts) {
                EXPECT_EQ(count_of(*lines[i], kept), count_of(english[i], kept)) << "entry " << i;
            }
        }
    }
}

TEST(ShippedTranslations, GermanInstallsOverTheBuiltInTexts) {
    const auto bytes = read_file_bytes(languages_folder / "Deutsch.txt");
    ASSERT_TRUE(bytes.ok());
    UiStrings strings;
    strings.install_language_text(utf8_to_text(std::string(bytes->begin(), bytes->end())));
    EXPECT_EQ(strings.text(str::restart_for_changes), u"Sie müssen Tavorin neu starten, damit die Änderungen wirksam werden");
    EXPECT_EQ(strings.text(str::prefs_page_general), u"Allgemein");
    EXPECT_EQ(strings.text(UiStrings::untranslated_first), u"ANSI");
    EXPECT_TRUE(strings.text(UiStrings::count - 1).empty());
}

}  // namespace
}  // namespace tavorin
