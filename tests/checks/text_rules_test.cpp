// The text rules under the checks: mnemonics, placeholders, shortcut names, word wrapping and
// the base units of the packaged fonts.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "base/text.h"
#include "checks/check_catalog.h"
#include "checks/font_files.h"
#include "checks/freetype_measure.h"
#include "checks/shortcut_text.h"
#include "checks/text_features.h"
#include "checks/text_fit.h"
#include "checks/translation_texts.h"
#include "dialog/dialog.h"

namespace tavorin {
namespace {

TEST(TextFeatures, MnemonicsAndDrawnText) {
    EXPECT_EQ(mnemonic_of(u"&Save"), u'S');
    EXPECT_EQ(mnemonic_of(u"Sa&ve"), u'V');
    EXPECT_EQ(mnemonic_of(u"Fish && &chips"), u'C');
    EXPECT_EQ(mnemonic_of(u"Fish && chips"), std::nullopt);
    EXPECT_EQ(mnemonic_of(u"end&"), std::nullopt);
    EXPECT_EQ(drawn_text(u"Fish && &chips"), u"Fish & chips");
}

TEST(TextFeatures, PlaceholdersInOrder) {
    const struct {
        std::u16string_view text;
        std::vector<std::u16string> expected;
    } cases[] = {
        {u"%s has %d files", {u"%s", u"%d"}},
        {u"100%% of %-5.2lf and %I64u", {u"%-5.2lf", u"%I64u"}},
        {u"%1 of %2!d! and %10", {u"%1", u"%2!d!", u"%10"}},
        {u"{0} and {1:N2}, not {x} or %", {u"{0}", u"{1:N2}"}},
        {u"50% off", {}},
        {u"%-tegn and %s", {u"%s"}},
    };
    for (const auto& c : cases) EXPECT_EQ(placeholders_of(c.text), c.expected) << text_to_utf8(c.text);
}

TEST(TextFeatures, TranslationParts) {
    EXPECT_EQ(trailing_punctuation(u"Save &as... "), u"...");
    EXPECT_EQ(trailing_punctuation(u"\u4fdd\u5b58(&S)..."), u"...");
    EXPECT_EQ(trailing_punctuation(u"\u4fdd\u5b58...(&S)"), u"...");
    EXPECT_EQ(trailing_punctuation(u"Nom :"), u":");
    EXPECT_EQ(trailing_punctuation(u"&New Task (Run...)"), u"");
    EXPECT_TRUE(has_tab_part(u"&Open\tCtrl+O"));
    EXPECT_FALSE(has_tab_part(u"Syntax:\n\tIF [NOT] EXIST"));
    EXPECT_EQ(ampersand_count(u"Fish && &chips"), 1u);
}

TEST(TranslationTexts, DifferencesByCheck) {
    const auto checks_of = [](std::u16string_view base, std::u16string_view translated) {
        std::vector<std::string> ids;
        for (const TextDifference& d : translation_differences(base, translated)) ids.emplace_back(d.check);
        return ids;
    };
    EXPECT_EQ(checks_of(u"%1 of %2", u"%2 von %1"), std::vector<std::string>{});
    EXPECT_EQ(checks_of(u"{0} of {1}", u"{0} von"), std::vector<std::string>{"TV4003"});
    EXPECT_EQ(checks_of(u"Error; ", u"Fehler;"), std::vector<std::string>{"TV4007"});
    // Full-width punctuation needs no blank after it.
    EXPECT_EQ(checks_of(u"Error; ", u"\u9519\u8bef\uff1b"), std::vector<std::string>{});
    EXPECT_EQ(checks_of(u"&Open\tCtrl+O", u"\u00d6ffnen..."),
              (std::vector<std::string>{"TV4004", "TV4005", "TV4008"}));
}

TEST(ShortcutText, NamesInSeveralLanguages) {
    const struct {
        std::u16string_view text;
        std::optional<KeyChord> expected;
    } cases[] = {
        {u"Ctrl+S", KeyChord{'S', true, false, false}},
        {u"Strg+Umschalt+F5", KeyChord{0x74, true, true, false}},
        {u"Alt+Entf", KeyChord{0x2E, false, false, true}},
        {u"Ctrl + Page Down", KeyChord{0x22, true, false, false}},
        {u"F12", KeyChord{0x7B, false, false, false}},
        {u"Ctrl++", std::nullopt},
        {u"Cmd+Q", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(parse_shortcut(c.text), c.expected) << text_to_utf8(c.text);
}

class PackagedFonts : public ::testing::Test {
protected:
    void SetUp() override {
        measurer = make_freetype_measurer(default_font_folders());
        if (!measurer) GTEST_SKIP() << "built without FreeType";
    }
    MeasuredFont& font(std::u16string face, int points, int dpi) {
        DialogFont spec;
        spec.face = std::move(face);
        spec.point_size = static_cast<std::uint16_t>(points);
        MeasuredFont* measured = measurer->font(spec, dpi);
        EXPECT_NE(measured, nullptr);
        return *measured;
    }
    std::unique_ptr<FontMeasurer> measurer;
};

// The base units Windows gives these dialog fonts at 96 DPI.
TEST_F(PackagedFonts, BaseUnitsOfTheDialogFonts) {
    const struct {
        std::u16string face;
        int points;
        BaseUnits expected;
    } cases[] = {
        {u"MS Shell Dlg", 8, {6, 13}},
        {u"MS Shell Dlg 2", 8, {6, 13}},
        {u"Tahoma", 8, {6, 13}},
    };
    for (const auto& c : cases) {
        const BaseUnits units = font(c.face, c.points, 96).base_units();
        EXPECT_EQ(units.x, c.expected.x) << text_to_utf8(c.face);
        EXPECT_EQ(units.y, c.expected.y) << text_to_utf8(c.face);
    }
    DialogFont unknown;
    unknown.face = u"Some Face Nobody Has";
    EXPECT_EQ(measurer->font(unknown, 96), nullptr);
}

TEST_F(PackagedFonts, WordWrapBreaksAtBlanksAndKeepsLongWordsWhole) {
    MeasuredFont& tahoma = font(u"Tahoma", 8, 96);
    const int two_words = tahoma.text_width(u"alpha beta");
    const TextNeed one_line = text_need(tahoma, TextLayout::word_wrap, u"alpha beta", two_words, 96);
    EXPECT_EQ(one_line.lines, 1);
    const TextNeed wrapped = text_need(tahoma, TextLayout::word_wrap, u"alpha beta", two_words - 1, 96);
    EXPECT_EQ(wrapped.lines, 2);
    EXPECT_EQ(wrapped.width, tahoma.text_width(u"alpha"));
    EXPECT_EQ(wrapped.height, 2 * tahoma.line_height());
    const TextNeed broken = text_need(tahoma, TextLayout::word_wrap, u"a\nb", 500, 96);
    EXPECT_EQ(broken.lines, 2);
    const TextNeed long_word = text_need(tahoma, TextLayout::word_wrap, u"extraordinarily", 10, 96);
    EXPECT_EQ(long_word.width, tahoma.text_width(u"extraordinarily"));
    // A check box's text starts after the box and its gap.
    const TextNeed check = text_need(tahoma, TextLayout::check_mark, u"alpha", 500, 96);
    EXPECT_EQ(check.width, tahoma.text_width(u"alpha") + 16);
}

TEST(CheckCatalog, TheHelpPageListsEveryCheck) {
    std::ifstream in(std::string(TAVORIN_SOURCE_DIR) + "/data/help/Tavorin.html");
    std::stringstream page;
    page << in.rdbuf();
    for (const CheckInfo& check : all_checks()) {
        EXPECT_NE(page.str().find("<td>" + std::string(check.id) + "</td><td>" + std::string(severity_name(check.severity))),
                  std::string::npos)
            << check.id;
    }
}

}  // namespace
}  // namespace tavorin
