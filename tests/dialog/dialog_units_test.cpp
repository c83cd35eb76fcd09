// Dialog units to pixels and back, with the platform's rounding.

#include "dialog/dialog_units.h"

#include <gtest/gtest.h>

namespace tavorin {
namespace {

TEST(DialogUnitsTest, MulDivRoundsHalfAwayFromZero) {
    EXPECT_EQ(mul_div(7, 3, 2), 11);  // 10.5
    EXPECT_EQ(mul_div(-7, 3, 2), -11);
    EXPECT_EQ(mul_div(7, -3, -2), 11);
    EXPECT_EQ(mul_div(5, 1, 4), 1);  // 1.25
    EXPECT_EQ(mul_div(0x7FFFFFFF, 2, 2), 0x7FFFFFFF);  // no overflow in between
    EXPECT_EQ(mul_div(1, 1, 0), -1);
}

TEST(DialogUnitsTest, RectanglesBothWays) {
    // "MS Shell Dlg" 8 at 96 dpi: the letters are 312 pixels wide (6 per letter) and 13 high.
    const BaseUnits base = base_units_from_letters(312, 13);
    EXPECT_EQ(base.x, 6);
    EXPECT_EQ(base.y, 13);
    const DialogRect pixels = to_pixels(DialogRect{129, 7, 50, 14}, base);
    EXPECT_EQ(pixels, (DialogRect{194, 11, 75, 23}));
    EXPECT_EQ(to_dialog_units(pixels, base), (DialogRect{129, 7, 50, 14}));
}

}  // namespace
}  // namespace tavorin
