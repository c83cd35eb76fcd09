#include "ui/panel_layout.h"

#include <gtest/gtest.h>

namespace tavorin {
namespace {

TEST(PanelLayoutTest, AnArrangementReadsBackAsItWasWritten) {
    const PanelLayout layouts[] = {
        PanelLayout{},
        PanelLayout{false, true, 333, 25},
        PanelLayout{true, false, 90, 90},
        PanelLayout{false, false, 1500, 10},
    };
    for (const PanelLayout& layout : layouts) {
        EXPECT_EQ(panel_layout_from_bytes(panel_layout_to_bytes(layout)), layout) << layout.side_width;
    }
}

TEST(PanelLayoutTest, BytesThisProgramDidNotWriteGiveTheDefaults) {
    const std::vector<std::uint8_t> cases[] = {
        {},                // an empty arrangement
        {1, 2, 3, 4, 5},   // a foreign one
        {0x54, 0x50, 2, 0, 3, 0, 100, 0, 50, 0},  // a later version
        {0x54, 0x50, 1, 0, 3, 0},                 // cut short
    };
    for (const auto& bytes : cases) EXPECT_EQ(panel_layout_from_bytes(bytes), PanelLayout{}) << bytes.size();
}

TEST(PanelLayoutTest, SizesOutOfRangeAreBroughtIntoRange) {
    std::vector<std::uint8_t> bytes = panel_layout_to_bytes(PanelLayout{true, true, 200, 50});
    bytes[6] = 5;  // side width 5 pixels
    bytes[7] = 0;
    bytes[8] = 99;  // tree share 99 %
    const PanelLayout read = panel_layout_from_bytes(bytes);
    EXPECT_EQ(read.side_width, PanelLayout::min_side_width);
    EXPECT_EQ(read.tree_percent, 90);
}

}  // namespace
}  // namespace tavorin
