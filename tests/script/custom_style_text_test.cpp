// Style text typed into a Custom Control's Style and Extended Style properties.

#include "script/custom_style_text.h"

#include <gtest/gtest.h>

#include "dialog/control_classes.h"
#include "dialog/dialog_test_support.h"

namespace tavorin {
namespace {

using K = ControlKind;

class CustomStyleTextTest : public ::testing::Test, public testing::DialogFixture {
protected:
    CustomStyleTextTest() {
        macros.define(u"WS_CHILD", u"0x40000000L", true, 0);
        macros.define(u"WS_VISIBLE", u"0x10000000L", true, 0);
        macros.define(u"WS_EX_CLIENTEDGE", u"0x00000200L", true, 0);
    }

    CustomControl& custom() {
        return static_cast<CustomControl&>(add(K::custom, 0x50010000, u"", 0, u"IDC_CUSTOM", u"MyClass"));
    }

    MacroTable macros;
};

TEST_F(CustomStyleTextTest, OnlyTheValueOfTheExpressionIsKept) {
    CustomControl& control = custom();
    EXPECT_EQ(apply_custom_style_text(*dialog, control.unique_key(), CustomStyleField::style,
                                      u"WS_CHILD | WS_VISIBLE | NOT WS_CHILD | 0x4", macros),
              StyleTextStatus::applied);
    EXPECT_EQ(control.style(), 0x10000004u);
    EXPECT_EQ(control.style_text(), u"0x10000004");
    EXPECT_EQ(apply_custom_style_text(*dialog, control.unique_key(), CustomStyleField::extended_style,
                                      u" WS_EX_CLIENTEDGE | 0x1a ", macros),
              StyleTextStatus::applied);
    EXPECT_EQ(control.extended_style(), 0x21Au);
    EXPECT_EQ(control.extended_style_text(), u"0x0000021A");
    EXPECT_EQ(control.style(), 0x10000004u);
}

TEST_F(CustomStyleTextTest, TextThatIsNoExpressionChangesNothing) {
    CustomControl& control = custom();
    for (const std::u16string_view text : {u"", u"WS_CHILD |", u"NO_SUCH_NAME", u"4 5", u"(1"}) {
        EXPECT_EQ(apply_custom_style_text(*dialog, control.unique_key(), CustomStyleField::style, text, macros),
                  StyleTextStatus::invalid_style)
            << std::string(text.begin(), text.end());
        EXPECT_EQ(apply_custom_style_text(*dialog, control.unique_key(), CustomStyleField::extended_style, text,
                                          macros),
                  StyleTextStatus::invalid_extended_style);
    }
    EXPECT_EQ(control.style(), 0x50010000u);
    EXPECT_EQ(control.extended_style(), 0u);

    const auto style_message = style_text_message(StyleTextStatus::invalid_style, session.strings());
    ASSERT_TRUE(style_message);
    EXPECT_EQ(style_message->text, u"Invalid style");
    EXPECT_EQ(style_message->caption, u"Tavorin");
    EXPECT_EQ(style_message->icon, AskIcon::error);
    const auto extended_message = style_text_message(StyleTextStatus::invalid_extended_style, session.strings());
    ASSERT_TRUE(extended_message);
    EXPECT_EQ(extended_message->text, u"Invalid extended style");
    EXPECT_EQ(extended_message->caption, u"Error");
    EXPECT_FALSE(style_text_message(StyleTextStatus::applied, session.strings()));
}

TEST_F(CustomStyleTextTest, OtherControlsAreLeftAlone) {
    const Control& edit = add(K::edit, 0x50810000);
    EXPECT_EQ(apply_custom_style_text(*dialog, edit.unique_key(), CustomStyleField::style, u"0x4", macros),
              StyleTextStatus::no_custom_control);
    EXPECT_EQ(edit.style(), 0x50810000u);
}

}  // namespace
}  // namespace tavorin
