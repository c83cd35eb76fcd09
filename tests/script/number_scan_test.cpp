#include "script/number_scan.h"

#include <gtest/gtest.h>

namespace tavorin {
namespace {

std::uint32_t value_of(std::u16string_view text) {
    auto number = scan_number(text, 0);
    EXPECT_TRUE(number.has_value()) << "no number in the text";
    return number ? number->value : 0;
}

TEST(NumberScan, DecimalHexadecimalAndNoOctal) {
    EXPECT_EQ(value_of(u"010"), 10u);
    EXPECT_EQ(value_of(u"0x1F"), 31u);
    EXPECT_EQ(value_of(u"0X1f"), 31u);
    EXPECT_EQ(value_of(u"0x10000000L"), 268435456u);
    EXPECT_EQ(value_of(u"4294967295"), 4294967295u);
}

TEST(NumberScan, OneUpperCaseLIsSkippedAndNothingElse) {
    auto upper = scan_number(u"10L,", 0);
    ASSERT_TRUE(upper);
    EXPECT_EQ(upper->end, 3u);

    auto lower = scan_number(u"10l", 0);
    ASSERT_TRUE(lower);
    EXPECT_EQ(lower->value, 10u);
    EXPECT_EQ(lower->end, 2u) << "the letter l stays in the text";

    auto twice = scan_number(u"10LL", 0);
    ASSERT_TRUE(twice);
    EXPECT_EQ(twice->end, 3u);

    auto unsigned_suffix = scan_number(u"10U", 0);
    ASSERT_TRUE(unsigned_suffix);
    EXPECT_EQ(unsigned_suffix->end, 2u);
}

TEST(NumberScan, ValuesWrapAt32Bits) {
    EXPECT_EQ(value_of(u"4294967296"), 0u);
    EXPECT_EQ(value_of(u"0x1FFFFFFFF"), 0xFFFFFFFFu);
    // 99999999999999999999 mod 2^32, digit by digit as the scanner accumulates.
    EXPECT_EQ(value_of(u"99999999999999999999"), 1661992959u);
}

TEST(NumberScan, NothingWithoutADigit) {
    EXPECT_FALSE(scan_number(u"x10", 0));
    EXPECT_FALSE(scan_number(u"", 0));
    EXPECT_FALSE(scan_number(u"-1", 0));
    auto at_offset = scan_number(u"ab12", 2);
    ASSERT_TRUE(at_offset);
    EXPECT_EQ(at_offset->value, 12u);
    EXPECT_EQ(at_offset->end, 4u);
}

TEST(NumberScan, HexPrefixWithoutDigitsIsZero) {
    auto number = scan_number(u"0xG", 0);
    ASSERT_TRUE(number);
    EXPECT_EQ(number->value, 0u);
    EXPECT_EQ(number->end, 2u);
}

}  // namespace
}  // namespace tavorin
