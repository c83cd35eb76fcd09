#include "resources/rawdata/hex_view.h"

#include <gtest/gtest.h>

namespace tavorin {
namespace {

TEST(HexView, SeventeenBytesMakeTwoRows) {
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < 17; ++i) bytes.push_back(static_cast<std::uint8_t>(0x41 + i));
    bytes[3] = 0x0A;
    ASSERT_EQ(hex_view_row_count(bytes.size()), 2u);

    const HexRow first = hex_view_row(bytes, 0);
    EXPECT_EQ(first.offset, u"00000000");
    EXPECT_EQ(first.hex, u"41 42 43 0A 45 46 47 48  49 4A 4B 4C 4D 4E 4F 50");
    EXPECT_EQ(first.characters, u"ABC.EFGHIJKLMNOP");

    const HexRow second = hex_view_row(bytes, 1);
    EXPECT_EQ(second.offset, u"00000010");
    EXPECT_EQ(second.hex, u"51");
    EXPECT_EQ(second.characters, u"Q");

    EXPECT_TRUE(hex_view_row(bytes, 2).offset.empty());
}

TEST(HexView, RowCounts) {
    EXPECT_EQ(hex_view_row_count(0), 0u);
    EXPECT_EQ(hex_view_row_count(16), 1u);
    EXPECT_EQ(hex_view_row_count(32), 2u);
    EXPECT_EQ(hex_view_row_count(33), 3u);
}

}  // namespace
}  // namespace tavorin
