#include "script/number_scan.h"

#include <gtest/gtest.h>

#include "base/text.h"

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

TEST(NumberScan, TheTypeSuffixesOfCAreSkipped) {
    // Headers write long and unsigned constants in every spelling C allows.
    for (const std::u16string_view text : {u"10L,", u"10l,", u"10U,", u"10u,", u"10UL,", u"10lu,", u"10LL,", u"10ULL,"}) {
        const auto number = scan_number(text, 0);
        ASSERT_TRUE(number) << text_to_utf8(text);
        EXPECT_EQ(number->value, 10u) << text_to_utf8(text);
        EXPECT_EQ(text[number->end], u',') << text_to_utf8(text);
    }
    const auto too_many = scan_number(u"10ULLL", 0);
    ASSERT_TRUE(too_many);
    EXPECT_EQ(too_many->end, 5u) << "at most three suffix letters";
    const auto other = scan_number(u"10h", 0);
    ASSERT_TRUE(other);
    EXPECT_EQ(other->end, 2u) << "other letters stay in the text";
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
