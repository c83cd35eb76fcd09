// Pixel rectangles of controls and the natural size of a button with a framed preview.

#include <gtest/gtest.h>

#include "dialog/control_size.h"
#include "dialog_test_support.h"

namespace tavorin {
namespace {

using K = ControlKind;
using P = PropertyId;

class ControlGeometryTest : public ::testing::Test, public testing::DialogFixture {};

TEST_F(ControlGeometryTest, PixelRectanglesFollowTheRectangleAndTheBaseUnits) {
    // The 8-point dialog font on a 96-dpi screen: 6 by 13 pixels.
    EXPECT_EQ(dialog->base_units().x, 6);
    EXPECT_EQ(dialog->base_units().y, 13);
    Control& control = add(K::button, 0x50010000, u"OK");
    ASSERT_TRUE(dialog->set_control_rect(control.unique_key(), DialogRect{129, 7, 50, 14}));
    EXPECT_EQ(control.pixel_rect(), (DialogRect{194, 11, 75, 23}));

    ASSERT_TRUE(dialog->move_control_by(control.unique_key(), 1, 8));
    EXPECT_EQ(control.pixel_rect(), (DialogRect{195, 24, 75, 23}));
    ASSERT_TRUE(control.set_property_value(P::width, 60));
    EXPECT_EQ(control.pixel_rect(), (DialogRect{195, 24, 90, 23}));

    dialog->set_base_units(BaseUnits{8, 16});
    EXPECT_EQ(control.pixel_rect(), (DialogRect{260, 30, 120, 28}));
    const Control& added = add(K::edit, 0x50810000);
    EXPECT_EQ(added.pixel_rect(), (DialogRect{14, 18, 100, 28}));  // at 7, 9, 50 x 14

    // A larger font makes larger units.
    dialog->set_font(DialogFont{16, u"Ms Shell Dlg", 400, 0, 1});
    EXPECT_GT(dialog->base_units().x, 6);
    EXPECT_EQ(added.pixel_rect(), to_pixels(added.rect(), dialog->base_units()));
}

TEST_F(ControlGeometryTest, AButtonAddsTwiceItsPreviewFrameToItsNaturalSize) {
    // The scripted platform measures 4 dialog units per character.
    const Control& plain = add(K::button, 0x50010000, u"Button");
    EXPECT_EQ(natural_control_size(plain, *dialog, platform, PreviewFrame{})->width, 29);
    const std::optional<TextExtent> framed = natural_control_size(plain, *dialog, platform, PreviewFrame{3, 5});
    EXPECT_EQ(framed->width, 29 + 6);
    EXPECT_EQ(framed->height, 14 + 10);
    const Control& check = add(K::check_box, 0x50010003, u"Check");
    EXPECT_EQ(natural_control_size(check, *dialog, platform, PreviewFrame{3, 5})->width, 36);  // no frame added

    // A bordered button is previewed with a client edge of 2 pixels.
    EXPECT_EQ(preview_frame(plain).left, 0);
    const Control& bordered = add(K::button, 0x50810000, u"Button");
    EXPECT_EQ(preview_frame(bordered).left, 2);
    EXPECT_EQ(preview_frame(bordered).top, 2);

    // Placed by a click, a bordered button takes that size.
    ControlRecord record;
    record.kind = K::button;
    record.style = 0x00800000;
    record.x = 100;
    record.y = 50;
    record.width = -1;
    record.height = -1;
    const Control& placed = **dialog->add_control(record);
    EXPECT_EQ(placed.text(), u"Button1");
    EXPECT_EQ(placed.rect().width, 4 * 7 + 5 + 4);
    EXPECT_EQ(placed.rect().height, 14 + 4);
}

}  // namespace
}  // namespace tavorin
