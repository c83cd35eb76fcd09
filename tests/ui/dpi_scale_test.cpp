#include "ui/dpi_scale.h"

#include <gtest/gtest.h>

namespace tavorin {
namespace {

TEST(DpiScale, SizesGrowWithTheResolutionRoundedToThePixel) {
    struct Case {
        int value, dpi, expected;
    };
    for (const Case c : {Case{17, 96, 17}, Case{17, 144, 26}, Case{17, 120, 21}, Case{16, 192, 32}, Case{-3, 144, -5},
                         Case{17, 0, 17}}) {
        EXPECT_EQ(scaled_for_dpi(c.value, c.dpi), c.expected) << c.value << " at " << c.dpi;
    }
}

TEST(DpiScale, TheSideColumnKeepsItsShareAndStaysInRange) {
    PanelLayout layout;
    layout.side_width = 260;
    layout.tree_percent = 40;
    const PanelLayout larger = rescaled_panels(layout, 96, 144);
    EXPECT_EQ(larger.side_width, 390);
    EXPECT_EQ(larger.tree_percent, 40);
    EXPECT_EQ(rescaled_panels(larger, 144, 96), layout);
    layout.side_width = PanelLayout::min_side_width;
    EXPECT_EQ(rescaled_panels(layout, 144, 96).side_width, PanelLayout::min_side_width);
    layout.side_width = 1900;
    EXPECT_EQ(rescaled_panels(layout, 96, 192).side_width, PanelLayout::max_side_width);
}

}  // namespace
}  // namespace tavorin
