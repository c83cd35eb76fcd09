#include "model/languages.h"

#include <gtest/gtest.h>

#include "app/session.h"
#include "platform/scripted_platform.h"

namespace tavorin {
namespace {

TEST(LanguageStatement, UsesNumbersAndDefaultSublanguageNamesWithoutHeaders) {
    const LanguageMacros macros;
    EXPECT_EQ(macros.statement_text(0x0409), u"LANGUAGE 9, SUBLANG_DEFAULT");
    EXPECT_EQ(macros.statement_text(0x0000), u"LANGUAGE 0, SUBLANG_NEUTRAL");
    EXPECT_EQ(macros.statement_text(0x0807), u"LANGUAGE 7, SUBLANG_SYS_DEFAULT");
    EXPECT_EQ(macros.statement_text(0x0C0C), u"LANGUAGE 12, 3");
}

TEST(LanguageStatement, UsesTheHeaderNamesWhoseSublanguageBelongsToThePrimary) {
    LanguageMacros macros;
    macros.note_definition(u"LANG_NEUTRAL", 0x00);
    macros.note_definition(u"LANG_ARABIC", 0x01);
    macros.note_definition(u"LANG_ENGLISH", 0x09);
    macros.note_definition(u"LANG_CHINESE", 0x04);
    macros.note_definition(u"LANG_CHINESE_SIMPLIFIED", 0x04);  // the first name of a value stays
    macros.note_definition(u"SUBLANG_ARABIC_SAUDI_ARABIA", 0x01);
    macros.note_definition(u"SUBLANG_ENGLISH_US", 0x01);
    macros.note_definition(u"SUBLANG_ENGLISH_UK", 0x02);
    macros.note_definition(u"SUBLANG_ENGLISH_UK_OTHER", 0x02);  // later in reading order
    macros.note_definition(u"SUBLANG_CHINESE_SIMPLIFIED", 0x02);
    macros.note_definition(u"IDD_ABOUT", 0x01);  // neither kind of language name

    EXPECT_EQ(macros.statement_text(0x0409), u"LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US");
    EXPECT_EQ(macros.statement_text(0x0809), u"LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_UK");
    EXPECT_EQ(macros.statement_text(0x0401), u"LANGUAGE LANG_ARABIC, SUBLANG_ARABIC_SAUDI_ARABIA");
    EXPECT_EQ(macros.statement_text(0x0804), u"LANGUAGE LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED");
    // No SUBLANG_ name for the primary: the fixed names, or the number.
    EXPECT_EQ(macros.statement_text(0x0C09), u"LANGUAGE LANG_ENGLISH, 3");
    EXPECT_EQ(macros.statement_text(0x0000), u"LANGUAGE LANG_NEUTRAL, SUBLANG_NEUTRAL");
    // A primary without a name gets no SUBLANG_ name either, even when the value matches.
    EXPECT_EQ(macros.statement_text(0x0407), u"LANGUAGE 7, SUBLANG_DEFAULT");
}

TEST(LanguageId, SplitsAndJoins) {
    EXPECT_EQ(primary_language(0x0C0A), 0x0A);
    EXPECT_EQ(sub_language(0x0C0A), 3);
    EXPECT_EQ(make_language_id(0x09, 1), 0x0409);
}

TEST(LanguageList, NamesKnownIdsAndTheNeutralOnes) {
    ScriptedPlatform platform;
    LanguageList list;
    EXPECT_EQ(list.label_of(0x0409), u"?");
    list.build(platform, u"Neutre");
    EXPECT_EQ(list.label_of(0x0000), u"Neutre");
    EXPECT_EQ(list.label_of(0x0400), u"Neutre");
    EXPECT_EQ(list.label_of(0x0800), u"Neutre");
    EXPECT_EQ(list.label_of(0x0409), u"English (United States)");
    EXPECT_EQ(list.label_of(0x0407), u"German (Germany)");
    EXPECT_EQ(list.label_of(0x0481), u"Maori (New Zealand)");
    // Sublanguage 0 is not a language of its own, and 0x07FF is nothing at all.
    EXPECT_EQ(list.name_of(0x0009), nullptr);
    EXPECT_EQ(list.label_of(0x07FF), u"?");
    // Modules mark translations with sublanguage 0: the label names the primary language.
    EXPECT_EQ(list.label_of(0x0009), u"English");
    EXPECT_EQ(list.label_of(0x0007), u"German");
    EXPECT_EQ(list.label_of(0x00FE), u"?");

    const auto entries = list.entries();
    ASSERT_GT(entries.size(), 200u);
    EXPECT_EQ(entries.front().id, 0x0000);
    for (std::size_t i = 1; i < entries.size(); ++i) EXPECT_LT(entries[i - 1].id, entries[i].id);
}

TEST(LanguageList, SessionNamesNeutralWithTheUiString) {
    ScriptedPlatform platform;
    Session session(platform);
    EXPECT_EQ(session.languages().label_of(0), session.text(str::neutral));
    EXPECT_EQ(session.languages().label_of(0), u"Neutral");
}

}  // namespace
}  // namespace tavorin
