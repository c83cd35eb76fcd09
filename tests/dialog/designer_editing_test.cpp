#include <gtest/gtest.h>

#include "dialog/designer_editing.h"
#include "dialog_test_support.h"
#include "model/undo_history.h"

namespace tavorin {
namespace {

class DesignerEditingTest : public ::testing::Test, public testing::DialogFixture {
protected:
    DesignerEditingTest() { dialog->set_rect(DialogRect{0, 0, 200, 100}); }

    Control& at(DialogRect rect, ControlKind kind = ControlKind::button, std::uint32_t style = 0x50010000) {
        Control& control = add(kind, style, u"Text");
        control.set_rect(rect);
        return control;
    }
    void select(std::initializer_list<Control*> controls) {
        selection.clear();
        for (Control* control : controls) selection.add(control->unique_key());
    }
    std::vector<DialogRect> rects() const {
        std::vector<DialogRect> found;
        for (const auto& control : dialog->controls()) found.push_back(control->rect());
        return found;
    }
    std::u16string last_step() const { return history.undo_names().empty() ? u"" : history.undo_names().front(); }

    UndoHistory history{platform};
    DesignerSettings settings;
    DesignerSelection selection;
    DesignerEditing editing{*dialog, history, settings, selection};
};

TEST_F(DesignerEditingTest, KeyboardMoveRecordsOneStepPerControlGroupedWhenSeveral) {
    Control& a = at({10, 10, 20, 10});
    Control& b = at({40, 10, 20, 10});
    select({&a});
    ASSERT_TRUE(editing.arrow_key(ArrowKey::right, false, false));
    EXPECT_EQ(a.rect().x, 11);
    EXPECT_EQ(last_step(), u"Move Control");

    select({&a, &b});
    ASSERT_TRUE(editing.arrow_key(ArrowKey::down, false, false));
    EXPECT_EQ(a.rect().y, 11);
    EXPECT_EQ(b.rect().y, 11);
    EXPECT_EQ(history.size(), 2u);
    history.undo();
    EXPECT_EQ(a.rect(), (DialogRect{11, 10, 20, 10}));
    EXPECT_EQ(b.rect(), (DialogRect{40, 10, 20, 10}));
    history.undo();
    EXPECT_EQ(a.rect().x, 10);
    history.redo(2);
    EXPECT_EQ(a.rect(), (DialogRect{11, 11, 20, 10}));
}

TEST_F(DesignerEditingTest, CtrlRightOnTheGridGoesToTheNextGridLine) {
    settings.set_grid(true);
    Control& a = at({13, 20, 20, 10});
    select({&a});
    ASSERT_TRUE(editing.arrow_key(ArrowKey::right, true, false));
    EXPECT_EQ(a.rect().x, 17);
}

TEST_F(DesignerEditingTest, ShiftArrowResizesOnlyASingleControl) {
    Control& a = at({10, 10, 20, 14});
    Control& b = at({40, 10, 20, 14});
    select({&a});
    ASSERT_TRUE(editing.arrow_key(ArrowKey::right, false, true));
    EXPECT_EQ(a.rect().width, 21);
    EXPECT_EQ(last_step(), u"Resize Control");
    select({&a, &b});
    EXPECT_FALSE(editing.arrow_key(ArrowKey::right, false, true));
    EXPECT_EQ(history.size(), 1u);
}

struct LayoutCase {
    const char* name;
    LayoutCommand command;
    LayoutMode mode;
    std::vector<DialogRect> before;  // the first is primary
    std::vector<DialogRect> after;
    std::u16string step;
};

TEST_F(DesignerEditingTest, LayoutCommandsMoveAndSizeAgainstThePrimaryControl) {
    const LayoutCase cases[] = {
        {"align lefts", LayoutCommand::align_lefts, LayoutMode::direct,
         {{20, 10, 30, 10}, {50, 30, 10, 10}, {5, 50, 40, 10}},
         {{20, 10, 30, 10}, {20, 30, 10, 10}, {20, 50, 40, 10}}, u"Layout"},
        {"align rights", LayoutCommand::align_rights, LayoutMode::direct,
         {{20, 10, 30, 10}, {50, 30, 10, 10}},
         {{20, 10, 30, 10}, {40, 30, 10, 10}}, u"Layout"},
        {"align bottoms", LayoutCommand::align_bottoms, LayoutMode::individually,
         {{20, 10, 30, 10}, {50, 30, 10, 14}},
         {{20, 10, 30, 10}, {50, 6, 10, 14}}, u"Layout"},
        {"align lefts as group", LayoutCommand::align_lefts, LayoutMode::as_group,
         {{20, 10, 30, 10}, {50, 30, 10, 10}, {60, 50, 40, 10}},
         {{20, 10, 30, 10}, {20, 30, 10, 10}, {30, 50, 40, 10}}, u"Align As group"},
        {"same size", LayoutCommand::same_size, LayoutMode::direct,
         {{20, 10, 30, 12}, {180, 95, 10, 10}},
         {{20, 10, 30, 12}, {170, 88, 30, 12}}, u"Layout"},
        {"center control", LayoutCommand::center_vertically, LayoutMode::control,
         {{20, 10, 30, 20}, {80, 60, 10, 10}},
         {{20, 10, 30, 20}, {80, 15, 10, 10}}, u"Center control"},
        {"vertically center as group", LayoutCommand::center_vertically, LayoutMode::direct,
         {{20, 10, 30, 20}, {80, 40, 10, 10}},
         {{20, 30, 30, 20}, {80, 60, 10, 10}}, u"Vertically center As group"},
        {"horizontally space", LayoutCommand::space_horizontally, LayoutMode::direct,
         {{0, 10, 10, 10}, {15, 10, 20, 10}, {90, 10, 10, 10}},
         {{0, 10, 10, 10}, {40, 10, 20, 10}, {90, 10, 10, 10}}, u"Horizontally space"},
        {"vertically space keeps the ends", LayoutCommand::space_vertically, LayoutMode::direct,
         {{5, 90, 10, 10}, {5, 0, 10, 10}, {5, 12, 10, 7}, {5, 20, 10, 5}},
         {{5, 90, 10, 10}, {5, 0, 10, 10}, {5, 32, 10, 7}, {5, 62, 10, 5}}, u"Vertically space"},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        DesignerEditingTest* self = this;
        self->dialog = std::make_unique<Dialog>(session.workspace(), true);
        dialog->set_rect(DialogRect{0, 0, 200, 100});
        DesignerEditing layout_editing{*dialog, history, settings, selection};
        selection.clear();
        for (const DialogRect& rect : c.before) selection.add(at(rect).unique_key());
        ASSERT_TRUE(layout_editing.layout(c.command, c.mode));
        EXPECT_EQ(rects(), c.after);
        EXPECT_EQ(last_step(), c.step);
        history.undo();
        EXPECT_EQ(rects(), c.before);
    }
}

TEST_F(DesignerEditingTest, CenteringOneControlIndividuallyWorksInPixels) {
    dialog->set_base_units(BaseUnits{6, 13});
    Control& a = at({0, 0, 31, 10});
    select({&a});
    ASSERT_TRUE(editing.layout(LayoutCommand::center_horizontally));
    // 200 units = 300 px, 31 units = 47 px (46.5 rounded): (300 - 47) / 2 = 126 px = 84 units.
    EXPECT_EQ(a.rect().x, 84);
    EXPECT_EQ(last_step(), u"Layout");
}

TEST_F(DesignerEditingTest, LayoutEnablingFollowsTheSelectionSize) {
    EXPECT_FALSE(layout_enabled(LayoutCommand::align_lefts, 1));
    EXPECT_TRUE(layout_enabled(LayoutCommand::align_lefts, 2));
    EXPECT_TRUE(layout_enabled(LayoutCommand::center_vertically, 1));
    EXPECT_FALSE(layout_enabled(LayoutCommand::space_horizontally, 2));
    EXPECT_TRUE(layout_enabled(LayoutCommand::space_horizontally, 3));
    EXPECT_FALSE(layout_mode_enabled(LayoutCommand::align_tops, LayoutMode::as_group, 2));
    EXPECT_TRUE(layout_mode_enabled(LayoutCommand::align_tops, LayoutMode::as_group, 3));
    EXPECT_FALSE(layout_mode_enabled(LayoutCommand::center_vertically, LayoutMode::as_group, 1));
    EXPECT_FALSE(layout_mode_enabled(LayoutCommand::center_vertically, LayoutMode::control, 1));
    EXPECT_TRUE(layout_mode_enabled(LayoutCommand::center_vertically, LayoutMode::control, 2));
    EXPECT_FALSE(layout_mode_enabled(LayoutCommand::align_lefts, LayoutMode::control, 5));
}

TEST_F(DesignerEditingTest, LayoutThatChangesNothingRecordsNothing) {
    Control& a = at({20, 10, 30, 10});
    Control& b = at({20, 40, 10, 10});
    select({&a, &b});
    EXPECT_FALSE(editing.layout(LayoutCommand::align_lefts));
    EXPECT_EQ(history.size(), 0u);
}

TEST_F(DesignerEditingTest, ZOrderMovesThePrimaryControlAndRecordsNothingWhenAlreadyThere) {
    Control& a = at({0, 0, 10, 10});
    Control& b = at({0, 20, 10, 10});
    Control& c = at({0, 40, 10, 10});
    select({&c});
    EXPECT_FALSE(editing.z_order(ZOrder::bring_to_front));
    EXPECT_FALSE(editing.z_order(ZOrder::bring_forward));
    EXPECT_EQ(history.size(), 0u);
    ASSERT_TRUE(editing.z_order(ZOrder::send_to_back));
    EXPECT_EQ(dialog->controls().front().get(), &c);
    EXPECT_EQ(last_step(), u"Set Control Order");
    select({&a});
    ASSERT_TRUE(editing.z_order(ZOrder::bring_forward));
    EXPECT_EQ(*dialog->index_of(a.unique_key()), 2u);
    history.undo(2);
    EXPECT_EQ(*dialog->index_of(a.unique_key()), 0u);
    EXPECT_EQ(*dialog->index_of(b.unique_key()), 1u);
    EXPECT_EQ(*dialog->index_of(c.unique_key()), 2u);
}

TEST_F(DesignerEditingTest, TwoPlainPastesCascadeBySepSize) {
    Control& a = at({20, 30, 40, 14});
    select({&a});
    ControlClipboard clipboard = editing.copy();
    ASSERT_EQ(editing.paste(clipboard, std::nullopt).value(), 1u);
    ASSERT_EQ(editing.paste(clipboard, std::nullopt).value(), 1u);
    ASSERT_EQ(dialog->controls().size(), 3u);
    EXPECT_EQ(dialog->controls()[1]->rect(), (DialogRect{25, 35, 40, 14}));
    EXPECT_EQ(dialog->controls()[2]->rect(), (DialogRect{30, 40, 40, 14}));
    EXPECT_NE(dialog->controls()[1]->identifier(), dialog->controls()[2]->identifier());
    EXPECT_EQ(last_step(), u"Paste");
    EXPECT_EQ(selection.keys(), std::vector<std::int32_t>{dialog->controls()[2]->unique_key()});
    history.undo(2);
    EXPECT_EQ(dialog->controls().size(), 1u);
}

TEST_F(DesignerEditingTest, PasteHereCentresAndPasteNearTheEdgeGoesToTheMargin) {
    settings.margin_visible = true;
    Control& a = at({20, 30, 40, 14});
    select({&a});
    ControlClipboard clipboard = editing.copy();
    ASSERT_EQ(editing.paste(clipboard, std::pair{100, 50}).value(), 1u);
    EXPECT_EQ(dialog->controls().back()->rect(), (DialogRect{80, 43, 40, 14}));
    ASSERT_EQ(editing.paste(clipboard, std::pair{190, 95}).value(), 1u);
    EXPECT_EQ(dialog->controls().back()->rect(), (DialogRect{7, 7, 40, 14}));
}

TEST_F(DesignerEditingTest, DeleteAndItsUndoRestoreTheControlsInTheirPlaces) {
    Control& a = at({0, 0, 10, 10});
    Control& b = at({0, 20, 10, 10});
    Control& c = at({0, 40, 10, 10});
    const std::int32_t keys[] = {a.unique_key(), b.unique_key(), c.unique_key()};
    select({&c, &a});
    ASSERT_TRUE(editing.delete_selection());
    EXPECT_EQ(dialog->controls().size(), 1u);
    EXPECT_TRUE(selection.empty());
    EXPECT_EQ(last_step(), u"Delete");
    history.undo();
    ASSERT_EQ(dialog->controls().size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(dialog->controls()[i]->unique_key(), keys[i]);
    history.redo();
    EXPECT_EQ(dialog->controls().size(), 1u);
}

TEST_F(DesignerEditingTest, PlacingAControlByClickCentresItsDefaultSize) {
    auto placed = editing.place_control(ControlKind::edit, DialogRect{100, 50, -1, -1});
    ASSERT_TRUE(placed);
    Control& control = **placed;
    EXPECT_EQ(control.rect(), (DialogRect{80, 43, 40, 14}));
    EXPECT_EQ(control.identifier(), u"IDC_EDIT1");
    EXPECT_EQ(selection.keys(), std::vector<std::int32_t>{control.unique_key()});
    EXPECT_EQ(last_step(), u"Create Control");
    history.undo();
    EXPECT_TRUE(dialog->controls().empty());
    history.redo();
    ASSERT_EQ(dialog->controls().size(), 1u);
    EXPECT_EQ(dialog->controls().front()->identifier(), u"IDC_EDIT1");
}

TEST_F(DesignerEditingTest, APlacedControlNeverStartsLeftOfOrAboveTheDialog) {
    struct Case {
        DialogRect asked;
        DialogRect placed;
    };
    const Case cases[]{
        {{3, 50, -1, -1}, {0, 43, 40, 14}},    // a click near the left edge
        {{100, 2, -1, -1}, {80, 0, 40, 14}},   // near the top edge
        {{-4, -3, -1, -1}, {0, 0, 40, 14}},    // on the frame, outside the client area
        {{-6, 10, 30, 20}, {0, 10, 30, 20}},   // a drag that began outside
    };
    for (const Case& each : cases) {
        auto placed = editing.place_control(ControlKind::edit, each.asked);
        ASSERT_TRUE(placed);
        EXPECT_EQ((*placed)->rect(), each.placed) << each.asked.x << ", " << each.asked.y;
    }
}

TEST_F(DesignerEditingTest, PropertyChangesApplyToTheSelectionAndUndo) {
    Control& a = at({0, 0, 10, 10});
    Control& b = at({0, 20, 10, 10});
    select({&a, &b});
    ASSERT_TRUE(editing.set_property(PropertyId::disabled, 1));
    EXPECT_NE(a.style() & 0x08000000u, 0u);
    EXPECT_NE(b.style() & 0x08000000u, 0u);
    EXPECT_EQ(last_step(), u"Property");
    EXPECT_FALSE(editing.set_property(PropertyId::disabled, 1));
    ASSERT_TRUE(editing.set_property(PropertyId::x, 33));
    EXPECT_EQ(b.rect().x, 33);
    history.undo(2);
    EXPECT_EQ(a.style() & 0x08000000u, 0u);
    EXPECT_EQ(b.rect().x, 0);
}

TEST_F(DesignerEditingTest, CaptionChangeGrowsControlsWhenUpsizing) {
    Control& a = at({0, 0, 10, 14});
    select({&a});
    ASSERT_TRUE(editing.set_caption(u"A longer caption", platform));
    EXPECT_EQ(a.text(), u"A longer caption");
    EXPECT_GT(a.rect().width, 10);
    EXPECT_EQ(last_step(), u"Name change");
    history.undo();
    EXPECT_EQ(a.text(), u"Text");
    EXPECT_EQ(a.rect().width, 10);
}

TEST_F(DesignerEditingTest, FitToContentsFollowsTheAutoResizeSetting) {
    Control& wide = at({0, 0, 150, 14});
    select({&wide});
    settings.auto_resize = AutoResize::only_upsizing;
    EXPECT_FALSE(editing.fit_to_contents(platform));
    settings.auto_resize = AutoResize::never;
    EXPECT_FALSE(editing.fit_to_contents(platform));
    settings.auto_resize = AutoResize::only_downsizing;
    ASSERT_TRUE(editing.fit_to_contents(platform));
    EXPECT_LT(wide.rect().width, 150);
    EXPECT_EQ(last_step(), u"Fit to contents");
}

TEST_F(DesignerEditingTest, DoubleClickOnAButtonsMiddleHandleAlignsItsCaption) {
    Control& button = at({0, 0, 40, 14});
    Control& check = at({0, 20, 40, 10}, ControlKind::check_box, 0x50010003);
    select({&button});
    ASSERT_TRUE(editing.align_caption(Handle::top));
    EXPECT_EQ(button.style() & 0xC00u, 0x400u);
    ASSERT_TRUE(editing.align_caption(Handle::right));
    EXPECT_EQ(button.style() & 0x300u, 0x200u);
    EXPECT_FALSE(editing.align_caption(Handle::top_left));
    select({&check});
    EXPECT_FALSE(editing.align_caption(Handle::top));
}

TEST_F(DesignerEditingTest, CustomControlStylesApplyToEveryCustomControlSelected) {
    Control& a = add(ControlKind::custom, 0x50000000, {}, 0, u"IDC_A", u"MyClass");
    Control& b = add(ControlKind::custom, 0x50000000, {}, 0, u"IDC_B", u"MyClass");
    select({&a, &b});
    ASSERT_TRUE(editing.set_custom_styles(0x50000123u, std::nullopt));
    EXPECT_EQ(a.style(), 0x50000123u);
    EXPECT_EQ(b.style(), 0x50000123u);
    EXPECT_EQ(last_step(), u"Custom Control Style");
    ASSERT_TRUE(editing.set_custom_styles(std::nullopt, 0x200u));
    EXPECT_EQ(last_step(), u"Custom Control Extended Style");
}

TEST_F(DesignerEditingTest, DialogPropertiesChangeAsOneStep) {
    DialogProperties properties = dialog_properties(*dialog);
    properties.caption = u"Settings";
    properties.rect.width = 250;
    ASSERT_TRUE(editing.set_dialog_properties(properties));
    EXPECT_EQ(dialog->caption(), u"Settings");
    EXPECT_EQ(dialog->rect().width, 250);
    history.undo();
    EXPECT_EQ(dialog->rect().width, 200);
    EXPECT_FALSE(editing.set_dialog_properties(dialog_properties(*dialog)));
}

TEST_F(DesignerEditingTest, RenamingAnIdCreatesTheSymbolAsOneStepThatUndoes) {
    Control& a = add(ControlKind::button, 0x50010000, u"A", 0, u"IDC_A");
    Control& b = add(ControlKind::button, 0x50010000, u"B", 0, u"IDC_B");
    const std::int32_t old_value = a.identifier_value();
    select({&a});
    ASSERT_TRUE(editing.set_identifier(u"IDC_APPLY"));
    EXPECT_EQ(a.identifier(), u"IDC_APPLY");
    EXPECT_TRUE(session.symbols().has_symbol(u"IDC_APPLY"));
    EXPECT_EQ(a.identifier_value(), session.symbols().value_of(u"IDC_APPLY"));
    EXPECT_NE(a.identifier_value(), b.identifier_value());
    EXPECT_EQ(history.undo_names(), std::vector<std::u16string>{u"Property"});
    const std::int32_t new_value = a.identifier_value();
    history.undo();
    EXPECT_EQ(a.identifier(), u"IDC_A");
    EXPECT_EQ(a.identifier_value(), old_value);
    history.redo();
    EXPECT_EQ(a.identifier(), u"IDC_APPLY");
    EXPECT_EQ(a.identifier_value(), new_value);
    // A number is an identifier too; IDC_STATIC may be shared.
    ASSERT_TRUE(editing.set_identifier(u"1234"));
    EXPECT_EQ(a.identifier_value(), 1234);
    ASSERT_TRUE(editing.set_identifier(u"IDC_STATIC"));
    select({&b});
    ASSERT_TRUE(editing.set_identifier(u"IDC_STATIC"));
    EXPECT_EQ(b.identifier_value(), SymbolTable::static_value);
}

TEST_F(DesignerEditingTest, ARefusedIdLeavesTheControlAndTheTableAsTheyWere) {
    Control& a = add(ControlKind::button, 0x50010000, u"A", 0, u"IDC_A");
    Control& b = add(ControlKind::button, 0x50010000, u"B", 0, u"IDC_B");
    select({&a});
    const Status invalid = editing.set_identifier(u"IDC A");
    ASSERT_FALSE(invalid);
    EXPECT_EQ(invalid.error(), u"Invalid ID.");
    const Status taken = editing.set_identifier(u"IDC_B");
    ASSERT_FALSE(taken);
    EXPECT_EQ(taken.error(), u"This ID is already used by another control of this dialog resource.");
    EXPECT_EQ(a.identifier(), u"IDC_A");
    EXPECT_TRUE(history.undo_names().empty());
    // IDC_A is still this dialog's: B cannot take it.
    select({&b});
    EXPECT_FALSE(editing.set_identifier(u"IDC_A"));
    EXPECT_TRUE(editing.set_identifier(u"IDC_B"));
    EXPECT_TRUE(history.undo_names().empty()) << "an unchanged name records nothing";
}

TEST_F(DesignerEditingTest, ACustomControlsClassChangesAsOneStep) {
    Control& custom = add(ControlKind::custom, 0x50000000, {}, 0, u"IDC_A", u"MyClass");
    Control& button = at({10, 10, 20, 10});
    select({&custom});
    ASSERT_TRUE(editing.set_custom_class(u"OtherClass"));
    EXPECT_EQ(custom.window_class(), u"OtherClass");
    EXPECT_EQ(last_step(), u"Property");
    EXPECT_FALSE(editing.set_custom_class(u""));
    history.undo();
    EXPECT_EQ(custom.window_class(), u"MyClass");
    select({&button});
    EXPECT_FALSE(editing.set_custom_class(u"OtherClass"));
    EXPECT_EQ(history.size(), 1u);
}

TEST(DesignerSelection, TabWalksTheListAndPassesToTheDialogAtEitherEnd) {
    testing::DialogFixture fixture;
    const std::int32_t a = fixture.add(ControlKind::button, 0x50010000, u"A").unique_key();
    const std::int32_t b = fixture.add(ControlKind::button, 0x50010000, u"B").unique_key();
    DesignerSelection selection;
    selection.tab(*fixture.dialog, false);
    EXPECT_EQ(selection.primary(), a);
    selection.tab(*fixture.dialog, false);
    EXPECT_EQ(selection.primary(), b);
    selection.tab(*fixture.dialog, false);
    EXPECT_TRUE(selection.empty());
    selection.tab(*fixture.dialog, true);
    EXPECT_EQ(selection.primary(), b);
    selection.select_all(*fixture.dialog);
    EXPECT_EQ(selection.keys(), (std::vector<std::int32_t>{a, b}));
    selection.toggle(a);
    EXPECT_EQ(selection.primary(), b);
    fixture.dialog->delete_control(b);
    selection.prune(*fixture.dialog);
    EXPECT_TRUE(selection.empty());
}

}  // namespace
}  // namespace tavorin
