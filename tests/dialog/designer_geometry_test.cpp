#include <gtest/gtest.h>

#include "dialog/designer_geometry.h"
#include "dialog_test_support.h"

namespace tavorin {
namespace {

DesignerSettings grid_with_margin() {
    DesignerSettings settings;
    settings.set_grid(true);
    settings.margin_visible = true;
    return settings;
}

struct GridCase {
    std::int32_t value, origin, step, expected;
};

TEST(DesignerGeometry, NearestGridLineRoundsHalfDownAndCountsNegativeAsZero) {
    const GridCase cases[] = {
        {10, 7, 5, 12}, {9, 7, 5, 7}, {14, 0, 5, 15}, {12, 0, 5, 10}, {-8, 0, 5, 0}, {3, 7, 5, 2}, {17, 7, 5, 17},
    };
    for (const GridCase& c : cases) {
        EXPECT_EQ(nearest_grid_line(c.value, c.origin, c.step), c.expected) << c.value << " from " << c.origin;
    }
}

TEST(DesignerGeometry, DraggingOnTheGridWithTheMarginLandsOnMarginPlusSteps) {
    const DesignerSettings settings = grid_with_margin();
    const DialogRect control{20, 20, 30, 10};
    for (const auto& [target, expected] : {std::pair{10, 12}, std::pair{9, 7}}) {
        const DragResult result = drag_selection(target, 20, control, control, {}, DialogSize{200, 100}, settings, false);
        EXPECT_EQ(control.x + result.offset.dx, expected) << target;
    }
}

TEST(DesignerGeometry, GridDragStepsBackWhenTheControlWouldLeaveTheDialog) {
    DesignerSettings settings;
    settings.set_grid(true);
    const DialogRect control{20, 20, 30, 10};
    const DragResult result = drag_selection(173, 20, control, control, {}, DialogSize{200, 100}, settings, false);
    EXPECT_EQ(control.x + result.offset.dx, 170);  // 175 + 30 would pass 200
}

TEST(DesignerGeometry, VisibleMarginKeepsTheWholeSelectionInside) {
    DesignerSettings settings;
    settings.margin_visible = true;
    const DialogRect primary{40, 40, 20, 10};
    const DialogRect selection{30, 40, 100, 30};  // another control reaches further left and right
    const DragResult left = drag_selection(0, 40, primary, selection, {}, DialogSize{200, 100}, settings, false);
    EXPECT_EQ(selection.x + left.offset.dx, 7);
    const DragResult right = drag_selection(150, 40, primary, selection, {}, DialogSize{200, 100}, settings, false);
    EXPECT_EQ(selection.x + selection.width + right.offset.dx, 193);
}

TEST(DesignerGeometry, SnappingPullsEdgesToOtherControlsAndShowsAGuide) {
    DesignerSettings settings;
    settings.set_snap(true);
    const DialogRect moving{100, 60, 20, 10};
    const std::vector<DialogRect> others{{40, 20, 30, 10}};
    // Left edge 3 units right of the other's left edge: snaps onto it.
    DragResult result = drag_selection(43, 60, moving, moving, others, DialogSize{300, 200}, settings, false);
    EXPECT_EQ(result.offset.dx, 40 - 100);
    ASSERT_FALSE(result.guides.empty());
    EXPECT_EQ(result.guides.front(), (GuideLine{true, 40}));
    // Left edge near the other's right edge + sepSize (75).
    result = drag_selection(77, 60, moving, moving, others, DialogSize{300, 200}, settings, false);
    EXPECT_EQ(moving.x + result.offset.dx, 75);
    // Ctrl held: no snapping.
    result = drag_selection(43, 60, moving, moving, others, DialogSize{300, 200}, settings, true);
    EXPECT_EQ(moving.x + result.offset.dx, 43);
    EXPECT_TRUE(result.guides.empty());
    // Too far away from anything: unchanged.
    result = drag_selection(150, 100, moving, moving, others, DialogSize{300, 200}, settings, false);
    EXPECT_EQ(result.offset, (Offset{50, 40}));
}

struct KeyCase {
    ArrowKey key;
    bool ctrl;
    DialogRect primary;
    std::optional<Offset> expected;
};

TEST(DesignerGeometry, ArrowKeysMoveByOneOrToTheKeyboardGrid) {
    DesignerSettings settings;
    settings.set_grid(true);  // margin hidden: the keyboard grid still starts at 7
    const KeyCase cases[] = {
        {ArrowKey::right, true, {13, 20, 10, 10}, Offset{4, 0}},    // 13 -> 17, not 18
        {ArrowKey::right, true, {12, 20, 10, 10}, Offset{5, 0}},    // on the grid: one step
        {ArrowKey::left, true, {13, 20, 10, 10}, Offset{-1, 0}},    // previous line 12
        {ArrowKey::down, true, {20, 22, 10, 10}, Offset{0, 5}},     // on the grid
        {ArrowKey::up, true, {20, 24, 10, 10}, Offset{0, -2}},      // previous line 22
        {ArrowKey::right, false, {13, 20, 10, 10}, Offset{1, 0}},
        {ArrowKey::left, false, {0, 20, 10, 10}, std::nullopt},     // at the edge
        {ArrowKey::right, false, {190, 20, 10, 10}, std::nullopt},  // would pass the width
        {ArrowKey::down, false, {20, 89, 10, 10}, Offset{0, 1}},
        {ArrowKey::down, false, {20, 90, 10, 10}, std::nullopt},
    };
    for (const KeyCase& c : cases) {
        EXPECT_EQ(keyboard_move(c.key, c.ctrl, c.primary, c.primary, DialogSize{200, 100}, settings), c.expected)
            << static_cast<int>(c.key) << " from " << c.primary.x << "," << c.primary.y;
    }
}

TEST(DesignerGeometry, ArrowKeysStopAtTheVisibleMargin) {
    DesignerSettings settings;
    settings.margin_visible = true;
    const DialogRect at_margin{7, 7, 10, 10};
    EXPECT_FALSE(keyboard_move(ArrowKey::left, false, at_margin, at_margin, DialogSize{200, 100}, settings));
    EXPECT_FALSE(keyboard_move(ArrowKey::up, false, at_margin, at_margin, DialogSize{200, 100}, settings));
    const DialogRect near_right{183, 20, 10, 10};
    EXPECT_FALSE(keyboard_move(ArrowKey::right, false, near_right, near_right, DialogSize{200, 100}, settings));
}

TEST(DesignerGeometry, ShiftArrowResizesWithinMinimumAndDialog) {
    const DialogRect rect{10, 10, 20, 12};
    const DialogSize minimum{6, 12};
    EXPECT_EQ(keyboard_resize(ArrowKey::right, rect, minimum, DialogSize{100, 100}), (DialogRect{10, 10, 21, 12}));
    EXPECT_EQ(keyboard_resize(ArrowKey::left, rect, minimum, DialogSize{100, 100}), (DialogRect{10, 10, 19, 12}));
    EXPECT_EQ(keyboard_resize(ArrowKey::down, rect, minimum, DialogSize{100, 100}), (DialogRect{10, 10, 20, 13}));
    EXPECT_FALSE(keyboard_resize(ArrowKey::up, rect, minimum, DialogSize{100, 100}));     // at the minimum height
    EXPECT_FALSE(keyboard_resize(ArrowKey::right, rect, minimum, DialogSize{30, 100}));  // fills the dialog
}

TEST(DesignerGeometry, HandlesLieOutsideTheControlInOrder) {
    const auto boxes = handle_boxes(DialogRect{100, 50, 40, 20});
    EXPECT_EQ(boxes[0], (PixelBox{94, 44, 100, 50}));
    EXPECT_EQ(boxes[1], (PixelBox{117, 44, 123, 50}));
    EXPECT_EQ(boxes[3], (PixelBox{140, 57, 146, 63}));
    EXPECT_EQ(boxes[4], (PixelBox{140, 70, 146, 76}));
    EXPECT_EQ(boxes[7], (PixelBox{94, 57, 100, 63}));
}

TEST(DesignerGeometry, FixedDirectionsMakeTheirHandlesInactive) {
    testing::DialogFixture fixture;
    const Control& vertical_spin = fixture.add(ControlKind::spin, 0x50000000);
    const Control& icon = fixture.add(ControlKind::picture, 0x50000003);
    const Control& etched = fixture.add(ControlKind::picture, 0x50000010);
    const Control& button = fixture.add(ControlKind::button, 0x50010000, u"OK");

    const ResizeDirections spin = resize_directions(vertical_spin);
    EXPECT_TRUE(handle_active(Handle::bottom, spin));
    EXPECT_FALSE(handle_active(Handle::right, spin));
    EXPECT_FALSE(handle_active(Handle::bottom_right, spin));
    EXPECT_FALSE(handle_active(Handle::top, resize_directions(icon)));
    EXPECT_TRUE(handle_active(Handle::left, resize_directions(etched)));
    EXPECT_FALSE(handle_active(Handle::bottom, resize_directions(etched)));
    for (int h = 0; h < handle_count; ++h) EXPECT_TRUE(handle_active(static_cast<Handle>(h), resize_directions(button)));
}

TEST(DesignerGeometry, DraggingAHandleMovesItsEdgesDownToTheMinimum) {
    const DialogRect rect{10, 10, 40, 20};
    EXPECT_EQ(resize_by_handle(rect, Handle::bottom_right, 5, 3, {6, 6}), (DialogRect{10, 10, 45, 23}));
    EXPECT_EQ(resize_by_handle(rect, Handle::top_left, 5, 3, {6, 6}), (DialogRect{15, 13, 35, 17}));
    EXPECT_EQ(resize_by_handle(rect, Handle::left, 50, 0, {6, 6}), (DialogRect{44, 10, 6, 20}));
    EXPECT_EQ(resize_by_handle(rect, Handle::top, 9, 9, {6, 6}), (DialogRect{10, 19, 40, 11}));
}

}  // namespace
}  // namespace tavorin
