#include "platform/fallback_language_names.h"

#include <gtest/gtest.h>

namespace tavorin {
namespace {

TEST(FallbackLanguageNames, NamesNeutralAndRealIds) {
    for (const std::uint16_t neutral : {0x0000, 0x0400, 0x0800}) EXPECT_EQ(fallback_language_name(neutral), u"Neutral");
    EXPECT_EQ(fallback_language_name(0x0409), u"English (United States)");
    EXPECT_EQ(fallback_language_name(0x0809), u"English (United Kingdom)");
    EXPECT_EQ(fallback_language_name(0x0407), u"German (Germany)");
    EXPECT_EQ(fallback_language_name(0x0C0A), u"Spanish (Spain, International Sort)");
    EXPECT_EQ(fallback_language_name(0x0411), u"Japanese (Japan)");
    EXPECT_EQ(fallback_language_name(0x0804), u"Chinese (Simplified, PRC)");
    EXPECT_EQ(fallback_language_name(0x200C), u"French (R\u00E9union)");
    EXPECT_EQ(fallback_language_name(0x6409), u"English (Yemen)");  // the last id of the table
}

TEST(FallbackLanguageNames, UnknownIdsHaveNoName) {
    EXPECT_EQ(fallback_language_name(0x0009), u"");  // a primary language alone
    EXPECT_EQ(fallback_language_name(0x7C04), u"");  // a neutral culture, not a locale
    EXPECT_EQ(fallback_language_name(0x047F), u"");
    EXPECT_EQ(fallback_language_name(0xFFFF), u"");
}

}  // namespace
}  // namespace tavorin
