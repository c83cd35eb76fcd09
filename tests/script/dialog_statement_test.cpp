// DIALOG and DIALOGEX statements: the header statements, every control statement form, kind
// deduction, the exact errors, and scripts that survive a round trip through the writer.

#include <gtest/gtest.h>

#include "dialog/dialog.h"
#include "statement_harness.h"

namespace tavorin {
namespace {

using K = ControlKind;
using testing::StatementHarness;

// The few SDK names the scripts below use.
constexpr std::string_view names_header =
    "#define WS_TABSTOP 0x00010000L\n#define WS_BORDER 0x00800000L\n#define WS_VISIBLE 0x10000000L\n"
    "#define WS_CAPTION 0x00C00000L\n#define WS_POPUP 0x80000000L\n#define DS_SETFONT 0x40\n"
    "#define DS_FIXEDSYS 0x8\n#define DS_SHELLFONT (DS_SETFONT | DS_FIXEDSYS)\n#define ES_AUTOHSCROLL 0x80\n"
    "#define IDC_STATIC (-1)\n#define IDC_NAME 1001\n#define IDI_APP 101\n#define IDR_MENU 120\n"
    "#define WS_EX_CLIENTEDGE 0x200\n#define WS_GROUP 0x00020000L\n";

class DialogStatementTest : public ::testing::Test {
protected:
    DialogStatementTest() { harness.folder.write("names.h", names_header); }

    // Reads `body` as the script after the names; returns the only dialog.
    Dialog* read(std::string_view body) {
        const ReadStatus status = harness.read("#include \"names.h\"\n" + std::string(body));
        EXPECT_TRUE(status) << (status ? "" : text_to_utf8(status.failure().message));
        if (!status) return nullptr;
        const auto dialogs = harness.project().resources_of_kind(kind::dialog);
        EXPECT_EQ(dialogs.size(), 1u);
        return dialogs.empty() ? nullptr : static_cast<Dialog*>(dialogs.front());
    }
    // The dialog with one control statement in its body.
    const Control* read_control(std::string_view statement) {
        Dialog* dialog = read("D DIALOG 0, 0, 100, 100\nBEGIN\n" + std::string(statement) + "\nEND\n");
        if (dialog == nullptr || dialog->controls().size() != 1) return nullptr;
        return dialog->controls().front().get();
    }

    StatementHarness harness;
};

TEST_F(DialogStatementTest, HeaderStatements) {
    const Dialog* dialog = read("IDD_MAIN DIALOGEX 10, 20, 200, 100\n"
                                "STYLE WS_POPUP | WS_CAPTION | DS_SHELLFONT\n"
                                "EXSTYLE WS_EX_CLIENTEDGE\n"
                                "CAPTION \"Main \"\"window\"\"\" \" more\"\n"
                                "CHARACTERISTICS 12\n"
                                "CLASS \"MyClass\"\n"
                                "FONT 9, \"Segoe UI\", 700, 0x101, 0x1FF\n"
                                "MENU IDR_MENU\n"
                                "BEGIN\nEND\n");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->extended());
    EXPECT_EQ(dialog->rect(), (DialogRect{10, 20, 200, 100}));
    EXPECT_EQ(dialog->style(), 0x80C00048u);
    EXPECT_EQ(dialog->extended_style(), 0x200u);
    EXPECT_EQ(dialog->caption(), u"Main \"window\" more");
    EXPECT_EQ(dialog->class_name(), u"MYCLASS");
    EXPECT_EQ(dialog->font(), (DialogFont{9, u"Segoe UI", 700, 1, 0xFF}));
    // No menu resource with the value 120 exists: the dialog keeps the reference, as compilers do.
    EXPECT_EQ(dialog->menu(), u"120");
}

TEST_F(DialogStatementTest, DialogWithoutFontLosesTheFontBits) {
    const Dialog* dialog = read("D DIALOG 0, 0, 10, 10\nSTYLE DS_SHELLFONT | WS_POPUP\nBEGIN\nEND\n");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->style(), 0x80000000u);
    EXPECT_EQ(dialog->font(), font_without_statement());
}

TEST_F(DialogStatementTest, MenuNamedByAWordIsLinkedToTheMenuOfThatName) {
    ASSERT_NE(read("D DIALOG 0, 0, 10, 10\nMENU MainMenu\nBEGIN\nEND\n"), nullptr);
    EXPECT_EQ(harness.platform.questions.size(), 0u) << "questions are suppressed while not interactive";
}

struct ControlCase {
    std::string statement;
    K kind;
    std::uint32_t style;
    std::u16string text;
};

class ControlStatementTest : public DialogStatementTest, public ::testing::WithParamInterface<ControlCase> {};

TEST_P(ControlStatementTest, ReadsKindStyleAndText) {
    const ControlCase& c = GetParam();
    const Control* control = read_control(c.statement);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->kind(), c.kind);
    EXPECT_EQ(control->style(), c.style);
    EXPECT_EQ(control->text(), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ControlStatementTest,
    ::testing::Values(
        // Text, id and coordinates separated by blanks only.
        ControlCase{"PUSHBUTTON \"Go\" IDC_NAME 1 2 3 4", K::button, 0x50010000, u"Go"},
        ControlCase{"DEFPUSHBUTTON \"Go\", 1, 1, 2, 3, 4", K::button, 0x50010001, u"Go"},
        ControlCase{"AUTO3STATE \"a\", 1, 1, 2, 3, 4", K::check_box, 0x50010006, u"a"},
        // A style list is added to a smaller base for some keywords: WS_TABSTOP or WS_GROUP
        // of the default is then dropped.
        ControlCase{"AUTO3STATE \"a\", 1, 1, 2, 3, 4, WS_GROUP", K::check_box, 0x50020006, u"a"},
        ControlCase{"AUTORADIOBUTTON \"a\", 1, 1, 2, 3, 4", K::radio_button, 0x50010009, u"a"},
        ControlCase{"LTEXT \"a\", 1, 1, 2, 3, 4, 0x100", K::static_text, 0x50000100, u"a"},
        ControlCase{"COMBOBOX 1, 1, 2, 3, 4", K::combo_box, 0x50010001, u""},
        ControlCase{"AUTOCHECKBOX \"a\", 1, 1, 2, 3, 4, WS_GROUP", K::check_box, 0x50030003, u"a"},
        ControlCase{"EDITTEXT 1, 1, 2, 3, 4, 0, WS_EX_CLIENTEDGE, 77", K::edit, 0x50810000, u""},
        ControlCase{"STATE3 \"a\", 1, 1, 2, 3, 4", K::check_box, 0x50010005, u"a"},
        ControlCase{"RADIOBUTTON \"r\", 1, 1, 2, 3, 4, WS_GROUP", K::radio_button, 0x50020004, u"r"},
        ControlCase{"GROUPBOX L\"g\", 1, 1, 2, 3, 4", K::group_box, 0x50000007, u"g"},
        ControlCase{"EDITTEXT IDC_NAME, 1, 2, 3, 4, ES_AUTOHSCROLL | NOT WS_BORDER", K::edit, 0x50010080, u""},
        ControlCase{"COMBOBOX 1, 1, 2, 3, 4, 3", K::combo_box, 0x50000003, u""},
        ControlCase{"LISTBOX 1, 1, 2, 3, 4, NOT WS_VISIBLE", K::list_box, 0x40800001, u""},
        ControlCase{"CTEXT \"c\\t\", -1, 1, 2, 3, 4", K::static_text, 0x50020001, u"c\\t"},
        ControlCase{"RTEXT \"r\", IDC_STATIC, 1, 2, 3, 4, NOT WS_GROUP", K::static_text, 0x50000002, u"r"},
        ControlCase{"ICON IDI_APP, IDC_STATIC, 1, 2, 3, 4", K::picture, 0x50000003, u"IDI_APP"},
        ControlCase{"ICON 7, IDC_STATIC, 1, 2, 3, 4", K::picture, 0x50000003, u"7"},
        ControlCase{"SCROLLBAR 1, 1, 2, 3, 4, 1", K::scroll_bar, 0x50000001, u""},
        ControlCase{"CONTROL \"b\", 1, \"Button\", 7, 1, 2, 3, 4", K::group_box, 0x50000007, u"b"},
        ControlCase{"CONTROL \"b\", 1, button, 0x0B | WS_TABSTOP, 1, 2, 3, 4", K::button, 0x5001000B, u"b"},
        ControlCase{"CONTROL \"\", 1, \"Static\", 0x10, 1, 2, 3, 4", K::picture, 0x50000010, u""},
        ControlCase{"CONTROL \"t\", 1, \"msctls_trackbar32\", NOT WS_VISIBLE, 1, 2, 3, 4, 0, 55", K::slider,
                    0x40000000, u"t"},
        ControlCase{"CONTROL \"c\", 1, \"MyWidget\", 0x10000, 1, 2, 3, 4", K::custom, 0x50010000, u"c"},
        ControlCase{"CONTROL 5, 1, \"Static\", 3, 1, 2, 3, 4", K::picture, 0x50000003, u"5"},
        // Kinds that show no text keep the one the statement gives.
        ControlCase{"CONTROL \"Tree1\", 1, \"SysTreeView32\", 7, 1, 2, 3, 4", K::tree_view, 0x50000007, u"Tree1"}));

struct DialogStyleCase {
    std::string header;
    std::uint32_t style;
};

class DialogStyleTest : public DialogStatementTest, public ::testing::WithParamInterface<DialogStyleCase> {};

TEST_P(DialogStyleTest, DefaultStyleAndCaption) {
    const Dialog* dialog = read("D DIALOG 0, 0, 10, 10\n" + GetParam().header + "BEGIN\nEND\n");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->style(), GetParam().style);
}

// Without STYLE: WS_POPUP | WS_BORDER | WS_SYSMENU. CAPTION adds WS_CAPTION, also when a STYLE
// follows; a STYLE after a caption builds on its WS_CAPTION and may take it away again.
INSTANTIATE_TEST_SUITE_P(Header, DialogStyleTest,
                         ::testing::Values(DialogStyleCase{"", 0x80880000}, DialogStyleCase{"CAPTION \"\"\n", 0x80C80000},
                                           DialogStyleCase{"STYLE WS_VISIBLE\n", 0x10000000},
                                           DialogStyleCase{"STYLE WS_VISIBLE\nCAPTION \"a\"\n", 0x10C00000},
                                           DialogStyleCase{"CAPTION \"a\"\nSTYLE WS_VISIBLE\n", 0x10C00000},
                                           DialogStyleCase{"CAPTION \"a\"\nSTYLE WS_VISIBLE | NOT WS_CAPTION\n", 0x10000000},
                                           DialogStyleCase{"STYLE WS_VISIBLE\nSTYLE WS_POPUP\n", 0x90000000}));

TEST_F(DialogStatementTest, IconControlsMayOmitTheirSizeWhichIsAlwaysZero) {
    Dialog* dialog = read("D DIALOG 0, 0, 100, 100\nBEGIN\n"
                          "ICON IDI_APP, 1, 5, 6\n"
                          "LTEXT \"after\", 2, 1, 2, 3, 4\n"
                          "ICON IDI_APP, 3, 5, 6, 20, 20, 0x40\n"
                          "END\n");
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(dialog->controls().size(), 3u);
    EXPECT_EQ(dialog->controls()[0]->rect(), (DialogRect{5, 6, 0, 0}));
    EXPECT_EQ(dialog->controls()[1]->text(), u"after");
    EXPECT_EQ(dialog->controls()[2]->rect(), (DialogRect{5, 6, 0, 0}));
    EXPECT_EQ(dialog->controls()[2]->style(), 0x50000043u);
}

TEST_F(DialogStatementTest, ControlDetails) {
    Dialog* dialog = read("D DIALOGEX 0, 0, 100, 100\nBEGIN\n"
                          "CONTROL \"c\", IDC_NAME, \"MyWidget\", 0x10000, 1, 2, 3, 4, WS_EX_CLIENTEDGE, 99\n"
                          "CONTROL \"b\", 2, \"Button\", 8, 1, 2, 3, 4\n"
                          "ICON IDI_APP, 3, 1, 2, 3, 4\n"
                          "ICON app_icon, 4, 1, 2, 3, 4\n"
                          "ICON app_icon, 5, 1, 2, 3, 4\n"
                          "END\n"
                          "app_icon ICON \"app.ico\"\n");
    ASSERT_NE(dialog, nullptr);
    // The user button (type 8) has no kind: no control, no message.
    ASSERT_EQ(dialog->controls().size(), 4u);
    const Control& custom = *dialog->controls()[0];
    EXPECT_EQ(custom.window_class(), u"MYWIDGET") << "in capitals, as compilers store it";
    EXPECT_EQ(custom.identifier(), u"IDC_NAME");
    EXPECT_EQ(custom.identifier_value(), 1001);
    EXPECT_EQ(custom.extended_style(), 0x200u);
    EXPECT_EQ(custom.help_id(), 99u);
    EXPECT_EQ(custom.rect(), (DialogRect{1, 2, 3, 4}));
    // A macro names the icon by its value; a word that is no macro is the icon's name, which
    // two controls share.
    EXPECT_EQ(dialog->controls()[1]->text_ordinal(), 101);
    EXPECT_FALSE(dialog->controls()[2]->text_ordinal());
    EXPECT_EQ(dialog->controls()[3]->text(), u"app_icon");
    EXPECT_TRUE(harness.session.symbols().is_string_name(u"app_icon"));
    EXPECT_NE(harness.find(kind::icon, u"app_icon"), nullptr) << "the icon named first by the controls keeps its name";
    EXPECT_FALSE(harness.problems_added);
}

struct ErrorCase {
    std::string script;
    std::u16string message;
    int line;
};

class DialogErrorTest : public DialogStatementTest, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(DialogErrorTest, EndsTheReadingWithTheMessage) {
    const ErrorCase& c = GetParam();
    const ReadStatus status = harness.read("#include \"names.h\"\n" + c.script);
    ASSERT_FALSE(status);
    EXPECT_EQ(status.failure().message, c.message);
    EXPECT_EQ(status.failure().line, c.line);
    EXPECT_TRUE(harness.project().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Errors, DialogErrorTest,
    ::testing::Values(
        ErrorCase{"D DIALOGEX 0, 0, 10, 10, 77\nBEGIN\nEND\n", u"Statement expected.", 2},
        ErrorCase{"D DIALOG 0, 0, 10, 10\nFONT 8, \"Tahoma\", 400, 0, 1\nBEGIN\nEND\n", u"Statement expected.", 3},
        ErrorCase{"D DIALOG 0, 0, 10, 10\nVERSION 2\nBEGIN\nEND\n", u"VERSION is not supported", 3},
        ErrorCase{"D DIALOG 0, 0, 10, 10\nBEGIN\nBUTTON \"x\", 1, 1, 1, 1, 1\nEND\n", u"Unknown DIALOG statement", 4},
        ErrorCase{"D DIALOG 0, 0, 10, 10\nBEGIN\n+ 1\nEND\n", u"'+' unexpected", 4},
        ErrorCase{"D DIALOG 0, 0, 10, 10\nBEGIN\nCONTROL \"x\", 1, \"Static\", 10, 1, 1, 1, 1\nEND\n",
                  u"Control type couldn't be deduced.", 4},
        ErrorCase{"D DIALOG 0, 0, 10, 10\nBEGIN\nCONTROL \"x\", 1, Slider, 0, 1, 1, 1, 1\nEND\n",
                  u"Character string expected.", 4},
        ErrorCase{"D DIALOG 0, 0, 10, 10\nBEGIN\nCONTROL \"x\", 1, \"Edit\", 0, 1, 1 1, 1\nEND\n",
                  u"',' character expected.", 4},
        ErrorCase{"D DIALOG 0, 0, 10\nBEGIN\nEND\n", u"',' character expected.", 3},
        ErrorCase{"D DIALOG 0, 0, 10, 10\nBEGIN\nPUSHBUTTON \"x\", 1, 1, 1, 1, 1\n", u"END or } expected.", 5}));

}  // namespace
}  // namespace tavorin
