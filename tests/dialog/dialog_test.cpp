// Creating controls in a dialog: identifiers, captions, default styles and sizes of controls
// placed from the toolbox, controls given by scripts and templates, and the operations undo uses.

#include "dialog/dialog.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "dialog_test_support.h"
#include "resources/menu/menu.h"

namespace tavorin {
namespace {

using K = ControlKind;

class DialogTest : public ::testing::Test, public testing::DialogFixture {
protected:
    // A control placed from the toolbox by a click (size -1) or a drag.
    Control& place(K kind, std::int32_t x = 100, std::int32_t y = 50, std::int32_t width = -1,
                   std::int32_t height = -1) {
        ControlRecord record;
        record.kind = kind;
        record.x = x;
        record.y = y;
        record.width = width;
        record.height = height;
        return **dialog->add_control(record);
    }
};

TEST_F(DialogTest, PlacedControlsAreNumberedPerDialog) {
    add(K::button, 0x50010000, u"Go", 0, u"IDC_BUTTON1");
    const Control& second = place(K::button);
    EXPECT_EQ(second.identifier(), u"IDC_BUTTON2");
    EXPECT_EQ(second.text(), u"Button2");
    EXPECT_EQ(second.identifier_value(), 1001);

    const Control& text1 = place(K::static_text);
    const Control& text2 = place(K::static_text);
    EXPECT_EQ(text1.identifier(), u"IDC_STATIC");
    EXPECT_EQ(text2.identifier(), u"IDC_STATIC");
    EXPECT_EQ(text2.identifier_value(), -1);
    EXPECT_EQ(text2.text(), u"Static");

    // Another dialog numbers its own controls, sharing names with the first.
    Dialog other(session.workspace(), false);
    ControlRecord record;
    record.kind = K::button;
    EXPECT_EQ((*other.add_control(record))->identifier(), u"IDC_BUTTON1");
}

TEST_F(DialogTest, PlacedControlsTakeTheKindsDefaultStyle) {
    const Control& edit = place(K::edit);
    EXPECT_EQ(edit.style(), 0x50810080u);
    EXPECT_EQ(edit.extended_style(), 0x4u);
    EXPECT_EQ(edit.text(), u"");
    const Control& list = place(K::list_box);
    EXPECT_EQ(list.style(), 0x50A10103u);
    const Control& check = place(K::check_box);
    EXPECT_EQ(check.style(), 0x50010003u);
    EXPECT_EQ(check.extended_style(), 0u);

    ControlRecord picture;
    picture.kind = K::picture;
    picture.style = 0x00000200;  // kept: a picture ORs its default into the record's style
    EXPECT_EQ((*dialog->add_control(picture))->style(), 0x50000207u);
}

TEST_F(DialogTest, ClickPlacesTheNaturalOrDefaultSizeCentredOnThePoint) {
    // The scripted platform measures 4 units per character: "Button1" is 28 wide.
    const Control& button = place(K::button, 100, 50);
    EXPECT_EQ(button.rect(), (DialogRect{100 - 16, 50 - 7, 33, 14}));
    const Control& check = place(K::check_box, 100, 50);
    EXPECT_EQ(check.rect(), (DialogRect{100 - 20, 50 - 4, 40, 8}));
    const Control& slider = place(K::slider, 100, 50);
    EXPECT_EQ(slider.rect(), (DialogRect{50, 43, 100, 15}));
    const Control& spin = place(K::spin, 10, 10);
    EXPECT_EQ(spin.rect(), (DialogRect{5, 3, 11, 14}));
}

TEST_F(DialogTest, DragBelowTheMinimumInOneDirectionIsRaised) {
    const Control& edit = place(K::edit, 10, 10, 30, 2);
    EXPECT_EQ(edit.rect(), (DialogRect{10, 10, 30, 12}));
    // A dragged spin control keeps its standard width.
    const Control& spin = place(K::spin, 10, 10, 40, 30);
    EXPECT_EQ(spin.rect(), (DialogRect{10, 10, 11, 30}));
}

TEST_F(DialogTest, StaticTextSizesFromItsCaption) {
    ControlRecord record;
    record.kind = K::static_text;
    record.x = 20;
    record.y = 20;
    record.width = -1;
    record.height = -1;
    const Control& text = **dialog->add_control(record);
    EXPECT_EQ(text.rect().width, 6 * 4 + 1);
    EXPECT_EQ(text.rect().height, 8);
}

TEST_F(DialogTest, ScriptControlsKeepTheirRectangleAndIdentifier) {
    ControlRecord record{K::edit, u"", std::nullopt, u"IDC_NAME", 1234, 5, 6, 0, 0, 0x50810000, 0, -1, {}, {}};
    const Control& edit = **dialog->add_control(record);
    EXPECT_EQ(edit.rect(), (DialogRect{5, 6, 0, 0}));
    EXPECT_EQ(edit.identifier(), u"IDC_NAME");
    EXPECT_EQ(edit.identifier_value(), 1234);
    EXPECT_EQ(session.symbols().value_of(u"IDC_NAME"), 1234);
}

TEST_F(DialogTest, ASecondUseOfANameInOneDialogIsRenumbered) {
    add(K::button, 0x50010000, u"A", 0, u"IDC_GO5");
    const Control& again = add(K::button, 0x50010000, u"B", 0, u"IDC_GO5");
    EXPECT_EQ(again.identifier(), u"IDC_GO1");
    // Numbers and IDC_STATIC are shared instead: renaming them would change their values.
    const Control& first = add(K::static_text, 0x50020000, u"x", 0, u"7");
    const Control& second = add(K::static_text, 0x50020000, u"y", 0, u"7");
    EXPECT_EQ(second.identifier(), u"7");
    EXPECT_EQ(second.identifier_value(), first.identifier_value());
    // The dialog's use of the number ends with its last control.
    dialog->delete_control(first.unique_key());
    EXPECT_TRUE(session.symbols().has_symbol(u"7"));
    dialog->delete_control(second.unique_key());
    EXPECT_FALSE(session.symbols().has_symbol(u"7"));
}

TEST_F(DialogTest, UnknownKindsCreateNothing) {
    ControlRecord record;
    record.kind = K::none;
    const auto added = dialog->add_control(record);
    ASSERT_TRUE(added);
    EXPECT_EQ(*added, nullptr);
    EXPECT_TRUE(dialog->controls().empty());
}

TEST_F(DialogTest, OperationsFindControlsByKey) {
    Control& a = add(K::button, 0x50010000, u"A", 0, u"IDC_A");
    Control& b = add(K::button, 0x50010000, u"B", 0, u"IDC_B");
    EXPECT_NE(a.unique_key(), b.unique_key());
    const std::int32_t key_a = a.unique_key();

    EXPECT_TRUE(dialog->move_control_to(key_a, 1));
    EXPECT_EQ(dialog->controls()[1]->identifier(), u"IDC_A");
    EXPECT_TRUE(dialog->move_control_by(key_a, 3, -2));
    EXPECT_EQ(a.rect(), (DialogRect{10, 7, 50, 14}));
    EXPECT_TRUE(dialog->set_control_style(key_a, 0x50000000, 0x200));
    EXPECT_EQ(a.style(), 0x50000000u);

    const auto removed = dialog->delete_control(key_a);
    ASSERT_TRUE(removed);
    EXPECT_FALSE(session.symbols().has_symbol(u"IDC_A"));
    EXPECT_FALSE(dialog->delete_control(key_a));
    // Undo brings it back where it was, with its key and identifier value.
    Control& back = **dialog->insert_control(1, *removed);
    EXPECT_EQ(back.unique_key(), key_a);
    EXPECT_EQ(back.snapshot(), *removed);
    EXPECT_EQ(dialog->index_of(key_a), 1u);

    dialog->grow(4, -5);
    EXPECT_EQ(dialog->rect().width, 4);
    EXPECT_EQ(dialog->rect().height, -5);
}

TEST_F(DialogTest, MenuIsSetOnlyToAMenuOfTheProject) {
    dialog->set_menu(u"IDR_OLD");
    dialog->set_menu_from_project(u"IDR_MAIN");
    EXPECT_EQ(dialog->menu(), u"");
}

TEST_F(DialogTest, ATypedMenuMustNameAMenuOfTheProject) {
    Menu& main = add_new_menu(session.workspace());
    Menu& other = add_new_menu(session.workspace());
    EXPECT_EQ(dialog->project_menu_names(), (std::vector<std::u16string>{main.name_text(), other.name_text()}));
    const std::u16string lower = to_ascii_lower(other.name_text());
    EXPECT_EQ(*dialog->project_menu_named(u" " + lower + u" "), other.name_text());
    EXPECT_EQ(*dialog->project_menu_named(u""), u"");
    for (const std::u16string typed : {u"IDD_DIALOG1", u"MY MENU", u"IDR_NOWHERE"}) {
        const auto refused = dialog->project_menu_named(typed);
        ASSERT_FALSE(refused);
        EXPECT_EQ(refused.error(), u"MENU Statement in Dialog resources does not refer to a Menu Resource.");
    }
}

TEST_F(DialogTest, NewDialogHasTheDefaults) {
    session.config().dialog_ex = true;
    auto made = make_new_dialog(session.workspace());
    EXPECT_TRUE(made->extended());
    EXPECT_EQ(made->style(), 0x90C808CCu);
    EXPECT_EQ(made->rect(), (DialogRect{0, 0, 186, 95}));
    EXPECT_EQ(made->caption(), u"Dialog");
    EXPECT_EQ(made->font(), (DialogFont{8, u"Ms Shell Dlg", 400, 0, 1}));
    ASSERT_EQ(made->controls().size(), 2u);
    EXPECT_EQ(made->controls()[0]->snapshot().identifier, u"IDOK");
    EXPECT_EQ(made->controls()[0]->identifier_value(), 1);
    EXPECT_EQ(made->controls()[1]->rect(), (DialogRect{129, 24, 50, 14}));

    Dialog& added = add_new_dialog(session.workspace());
    EXPECT_EQ(added.name_text(), u"IDD_DIALOG1");
    EXPECT_EQ(session.project().resources_of_kind(kind::dialog).size(), 1u);
}

}  // namespace
}  // namespace tavorin
