// The statements the script writer writes for controls: the keyword each kind and type choose,
// the style list with its implied bits left out, NOT items, names of every table, and the
// hexadecimal remainder that keeps bits without a name.

#include <gtest/gtest.h>

#include "dialog/control_classes.h"
#include "dialog_test_support.h"

namespace tavorin {
namespace {

using K = ControlKind;

struct StatementCase {
    K kind;
    std::uint32_t style;
    std::uint32_t extended_style;
    std::u16string text;
    std::u16string expected;
};

class ControlStatementTextTest : public ::testing::TestWithParam<StatementCase> {};

TEST_P(ControlStatementTextTest, WritesTheStatement) {
    testing::DialogFixture fixture;
    const StatementCase& c = GetParam();
    const Control& control = fixture.add(c.kind, c.style, c.text, c.extended_style, u"IDC_X", u"MyClass");
    EXPECT_EQ(fixture.statement(control), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, ControlStatementTextTest,
    ::testing::Values(
        // The implied style writes no list at all.
        StatementCase{K::button, 0x50010000, 0, u"OK", u"PUSHBUTTON      \"OK\", IDC_X, 7, 9, 50, 14"},
        StatementCase{K::button, 0x50000000, 0, u"OK", u"PUSHBUTTON      \"OK\", IDC_X, 7, 9, 50, 14, NOT WS_TABSTOP"},
        StatementCase{K::button, 0x50010001, 0, u"OK", u"DEFPUSHBUTTON   \"OK\", IDC_X, 7, 9, 50, 14"},
        StatementCase{K::button, 0x5001000B, 0, u"B",
                      u"CONTROL         \"B\", IDC_X, WC_BUTTON, WS_TABSTOP | BS_OWNERDRAW, 7, 9, 50, 14"},
        // Types without a name keep their bits in the remainder.
        StatementCase{K::button, 0x5001000C, 0, u"B", u"PUSHBUTTON      \"B\", IDC_X, 7, 9, 50, 14, 0x0000000C"},
        StatementCase{K::button, 0x50012300, 0, u"B",
                      u"PUSHBUTTON      \"B\", IDC_X, 7, 9, 50, 14, BS_CENTER | BS_MULTILINE"},
        StatementCase{K::button, 0x58010C00, 0x200, u"B",
                      u"PUSHBUTTON      \"B\", IDC_X, 7, 9, 50, 14, WS_DISABLED | BS_VCENTER, WS_EX_CLIENTEDGE"},
        // Only WS_EX_NOPARENTNOTIFY: no extended style is written.
        StatementCase{K::button, 0x50010000, 0x4, u"B", u"PUSHBUTTON      \"B\", IDC_X, 7, 9, 50, 14"},
        StatementCase{K::button, 0x50010000, 0x204, u"B",
                      u"PUSHBUTTON      \"B\", IDC_X, 7, 9, 50, 14, 0, WS_EX_CLIENTEDGE"},
        StatementCase{K::check_box, 0x50010003, 0, u"C", u"AUTOCHECKBOX    \"C\", IDC_X, 7, 9, 50, 14"},
        StatementCase{K::check_box, 0x50000006, 0, u"C", u"AUTO3STATE      \"C\", IDC_X, 7, 9, 50, 14, NOT WS_TABSTOP"},
        // AUTO3STATE implies WS_TABSTOP without a style list only.
        StatementCase{K::check_box, 0x50010006, 0, u"C", u"AUTO3STATE      \"C\", IDC_X, 7, 9, 50, 14"},
        StatementCase{K::check_box, 0x50030006, 0, u"C", u"AUTO3STATE      \"C\", IDC_X, 7, 9, 50, 14, WS_GROUP | WS_TABSTOP"},
        StatementCase{K::check_box, 0x50000002, 0, u"C", u"CHECKBOX        \"C\", IDC_X, 7, 9, 50, 14, NOT WS_TABSTOP"},
        StatementCase{K::check_box, 0x50010005, 0, u"C", u"STATE3          \"C\", IDC_X, 7, 9, 50, 14"},
        // The keyword's default has WS_TABSTOP, which this style lacks.
        StatementCase{K::radio_button, 0x50000009, 0, u"R", u"AUTORADIOBUTTON \"R\", IDC_X, 7, 9, 50, 14, NOT WS_TABSTOP"},
        StatementCase{K::radio_button, 0x50030004, 0, u"R",
                      u"RADIOBUTTON     \"R\", IDC_X, 7, 9, 50, 14, WS_GROUP | WS_TABSTOP"},
        StatementCase{K::group_box, 0x50000007, 0, u"G", u"GROUPBOX        \"G\", IDC_X, 7, 9, 50, 14"},
        // A group box has no vertical alignment: BS_VCENTER's bits stay a number.
        StatementCase{K::group_box, 0x50000C07, 0, u"G", u"GROUPBOX        \"G\", IDC_X, 7, 9, 50, 14, 0x00000C00"}));

INSTANTIATE_TEST_SUITE_P(
    EditsAndLists, ControlStatementTextTest,
    ::testing::Values(
        StatementCase{K::edit, 0x50810080, 0, u"", u"EDITTEXT        IDC_X, 7, 9, 50, 14, ES_AUTOHSCROLL"},
        StatementCase{K::edit, 0x50010080, 0, u"", u"EDITTEXT        IDC_X, 7, 9, 50, 14, NOT WS_BORDER | ES_AUTOHSCROLL"},
        StatementCase{K::edit, 0x50800400, 0, u"",
                      u"EDITTEXT        IDC_X, 7, 9, 50, 14, NOT WS_TABSTOP | ES_OEMCONVERT"},
        StatementCase{K::combo_box, 0x50210243, 0, u"",
                      u"COMBOBOX        IDC_X, 7, 9, 50, 14, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | "
                      u"CBS_AUTOHSCROLL | CBS_HASSTRINGS"},
        StatementCase{K::list_box, 0x50A10103, 0, u"",
                      u"LISTBOX         IDC_X, 7, 9, 50, 14, WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | "
                      u"LBS_SORT | LBS_NOTIFY"},
        StatementCase{K::list_box, 0x50000000, 0, u"",
                      u"LISTBOX         IDC_X, 7, 9, 50, 14, NOT LBS_NOTIFY | NOT WS_BORDER"},
        StatementCase{K::scroll_bar, 0x50000001, 0, u"", u"SCROLLBAR       IDC_X, 7, 9, 50, 14, SBS_VERT"},
        StatementCase{K::rich_edit, 0x50810080, 0, u"",
                      u"CONTROL         \"\", IDC_X, RICHEDIT_CLASS, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 7, 9, "
                      u"50, 14"}));

INSTANTIATE_TEST_SUITE_P(
    Statics, ControlStatementTextTest,
    ::testing::Values(
        // The static type is always named, also after LTEXT.
        // A style list drops LTEXT's WS_GROUP, so the bit is named with it.
        StatementCase{K::static_text, 0x50020000, 0, u"S", u"LTEXT           \"S\", IDC_X, 7, 9, 50, 14, WS_GROUP | SS_LEFT"},
        StatementCase{K::static_text, 0x50000001, 0, u"S",
                      u"CTEXT           \"S\", IDC_X, 7, 9, 50, 14, NOT WS_GROUP | SS_CENTER"},
        StatementCase{K::static_text, 0x50024000, 0, u"S",
                      u"LTEXT           \"S\", IDC_X, 7, 9, 50, 14, WS_GROUP | SS_LEFT | SS_ENDELLIPSIS"},
        StatementCase{K::static_text, 0x5002C002, 0, u"S",
                      u"RTEXT           \"S\", IDC_X, 7, 9, 50, 14, WS_GROUP | SS_RIGHT | SS_WORDELLIPSIS"},
        StatementCase{K::static_text, 0x5002000B, 0, u"S",
                      u"CONTROL         \"S\", IDC_X, WC_STATIC, WS_GROUP | SS_SIMPLE, 7, 9, 50, 14"},
        // Types 19 to 31 have no name: CONTROL with the type as a number.
        StatementCase{K::static_text, 0x50000013, 0, u"S",
                      u"CONTROL         \"S\", IDC_X, WC_STATIC, NOT WS_GROUP | 0x00000013, 7, 9, 50, 14"},
        StatementCase{K::picture, 0x50000003, 0, u"IDI_APP", u"ICON            \"IDI_APP\", IDC_X, 7, 9, 50, 14, SS_ICON"},
        StatementCase{K::picture, 0x50400207, 0, u"",
                      u"CONTROL         \"\", IDC_X, WC_STATIC, WS_DLGFRAME | SS_BLACKFRAME | SS_CENTERIMAGE, 7, 9, "
                      u"50, 14"}));

INSTANTIATE_TEST_SUITE_P(
    CommonControls, ControlStatementTextTest,
    ::testing::Values(
        StatementCase{K::slider, 0x50010018, 0x4, u"",
                      u"CONTROL         \"\", IDC_X, TRACKBAR_CLASS, WS_TABSTOP | TBS_BOTH | TBS_NOTICKS, 7, 9, 50, 14"},
        StatementCase{K::spin, 0x50000020, 0, u"", u"CONTROL         \"\", IDC_X, UPDOWN_CLASS, UDS_ARROWKEYS, 7, 9, 50, 14"},
        StatementCase{K::progress, 0x50000000, 0, u"", u"CONTROL         \"\", IDC_X, PROGRESS_CLASS, 0, 7, 9, 50, 14"},
        // Hot keys have no names: class bits are the remainder.
        StatementCase{K::hot_key, 0x50010002, 0, u"",
                      u"CONTROL         \"\", IDC_X, HOTKEY_CLASS, WS_TABSTOP | 0x00000002, 7, 9, 50, 14"},
        StatementCase{K::list_view, 0x50010001, 0, u"",
                      u"CONTROL         \"\", IDC_X, WC_LISTVIEW, WS_TABSTOP | LVS_REPORT, 7, 9, 50, 14"},
        StatementCase{K::list_view, 0x50010000, 0, u"",
                      u"CONTROL         \"\", IDC_X, WC_LISTVIEW, WS_TABSTOP | LVS_ICON, 7, 9, 50, 14"},
        StatementCase{K::tree_view, 0x50802800, 0, u"",
                      u"CONTROL         \"\", IDC_X, WC_TREEVIEW, WS_BORDER | TVS_INFOTIP | TVS_NOSCROLL, 7, 9, 50, 14"},
        StatementCase{K::tab, 0x50000002, 0, u"",
                      u"CONTROL         \"\", IDC_X, WC_TABCONTROL, TCS_BOTTOM | TCS_RIGHT, 7, 9, 50, 14"},
        StatementCase{K::animation, 0x50000005, 0, u"",
                      u"CONTROL         \"\", IDC_X, ANIMATE_CLASS, ACS_CENTER | ACS_AUTOPLAY, 7, 9, 50, 14"},
        StatementCase{K::date_time_picker, 0x50000029, 0, u"",
                      u"CONTROL         \"\", IDC_X, DATETIMEPICK_CLASS, DTS_TIMEFORMAT | DTS_UPDOWN | DTS_RIGHTALIGN, "
                      u"7, 9, 50, 14"},
        StatementCase{K::month_calendar, 0x50000014, 0, u"",
                      u"CONTROL         \"\", IDC_X, MONTHCAL_CLASS, MCS_WEEKNUMBERS | MCS_NOTODAY, 7, 9, 50, 14"},
        StatementCase{K::ip_address, 0x50000000, 0x20000, u"",
                      u"CONTROL         \"\", IDC_X, WC_IPADDRESS, 0, 7, 9, 50, 14, WS_EX_STATICEDGE"},
        StatementCase{K::rebar, 0x40000000, 0, u"",
                      u"CONTROL         \"\", IDC_X, REBARCLASSNAME, NOT WS_VISIBLE, 7, 9, 50, 14"},
        // A custom control writes its style as one number; NOT WS_VISIBLE keeps a hidden one hidden.
        StatementCase{K::custom, 0x50010000, 0x300, u"Hi",
                      u"CONTROL         \"Hi\", IDC_X, \"MyClass\", 0x50010000, 7, 9, 50, 14, 0x00000300"},
        StatementCase{K::custom, 0x40000000, 0, u"",
                      u"CONTROL         \"\", IDC_X, \"MyClass\", NOT WS_VISIBLE | 0x40000000, 7, 9, 50, 14"}));

TEST(ControlStatementForceTest, ForcedControlStatementUsesTheSymbolicClass) {
    testing::DialogFixture fixture;
    fixture.session.control_catalog().entry(K::edit).force_control_statement = true;
    const Control& edit = fixture.add(K::edit, 0x50810080, u"");
    EXPECT_EQ(fixture.statement(edit),
              u"CONTROL         \"\", IDC_X, WC_EDIT, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 7, 9, 50, 14");
}

TEST(ControlStatementForceTest, ImageByOrdinalIsWrittenUnquoted) {
    testing::DialogFixture fixture;
    ControlRecord record{K::picture, u"IDI_APP", 101, u"IDC_STATIC", -1, 1, 2, 20, 20, 0x50000003, 0, -1, {}, {}};
    const Control& icon = **fixture.dialog->add_control(record);
    EXPECT_EQ(fixture.statement(icon), u"ICON            IDI_APP, IDC_STATIC, 1, 2, 20, 20, SS_ICON");
}

}  // namespace
}  // namespace tavorin
