// The script text of a dialog's header and body.

#include <gtest/gtest.h>

#include "dialog_test_support.h"

namespace tavorin {
namespace {

using K = ControlKind;

class DialogScriptTextTest : public ::testing::Test, public testing::DialogFixture {
protected:
    DialogScriptTextTest() {
        dialog->identity().name = u"IDD_ABOUT";
        dialog->set_rect(DialogRect{1, 2, 100, 50});
        dialog->set_font(DialogFont{9, u"Segoe UI", 700, 1, 0});
    }
    // The header lines, before the block.
    std::u16string header() {
        const std::u16string text = script();
        return text.substr(0, text.find(u"\r\n{"));
    }
};

TEST_F(DialogScriptTextTest, NewDialogGolden) {
    Dialog& made = add_new_dialog(session.workspace());
    TextWriter out;
    made.write_script_text(out, session.workspace());
    EXPECT_EQ(out.take(), u"IDD_DIALOG1 DIALOG 0, 0, 186, 95\r\n"
                          u"STYLE DS_3DLOOK | DS_CENTER | DS_MODALFRAME | DS_SHELLFONT | WS_CAPTION | WS_VISIBLE | "
                          u"WS_POPUP | WS_SYSMENU\r\n"
                          u"CAPTION \"Dialog\"\r\n"
                          u"FONT 8, \"Ms Shell Dlg\"\r\n"
                          u"{\r\n"
                          u"    DEFPUSHBUTTON   \"OK\", IDOK, 129, 7, 50, 14\r\n"
                          u"    PUSHBUTTON      \"Cancel\", IDCANCEL, 129, 24, 50, 14\r\n"
                          u"}");
}

TEST_F(DialogScriptTextTest, ExtendedHeaderWithEveryStatement) {
    dialog->set_style(0x80C80040, 0x20001);
    dialog->set_caption(u"Say \"hi\"");
    dialog->set_menu(u"IDR_MAIN");
    dialog->set_class_name(u"MyDialog");
    session.config().pascal = true;
    add(K::edit, 0x50810080);
    EXPECT_EQ(script(), u"IDD_ABOUT DIALOGEX 1, 2, 100, 50\r\n"
                        u"STYLE DS_SETFONT | WS_CAPTION | WS_POPUP | WS_SYSMENU\r\n"
                        u"EXSTYLE WS_EX_STATICEDGE\r\n"
                        u"CAPTION \"Say \"\"hi\"\"\"\r\n"
                        u"MENU IDR_MAIN\r\n"
                        u"CLASS \"MyDialog\"\r\n"
                        u"FONT 9, \"Segoe UI\", 700, 1, 0\r\n"
                        u"BEGIN\r\n"
                        u"    EDITTEXT        IDC_X, 7, 9, 50, 14, ES_AUTOHSCROLL\r\n"
                        u"END");
}

TEST_F(DialogScriptTextTest, HeaderLinesLeftOut) {
    // No caption bits: no CAPTION line although a caption is stored. WS_EX_DLGMODALFRAME alone:
    // no EXSTYLE line.
    dialog->set_style(0x80800040, 0x1);
    dialog->set_caption(u"Hidden");
    EXPECT_EQ(header(), u"IDD_ABOUT DIALOGEX 1, 2, 100, 50\r\nSTYLE DS_SETFONT | WS_BORDER | WS_POPUP\r\n"
                        u"FONT 9, \"Segoe UI\", 700, 1, 0");

    // Without DS_SETFONT the dialog uses the system font: no FONT line, which would add the bit.
    dialog->set_style(0, 0);
    dialog->set_extended(false);
    EXPECT_EQ(header(), u"IDD_ABOUT DIALOG 1, 2, 100, 50\r\nSTYLE 0");
}

TEST_F(DialogScriptTextTest, DialogFontHasSizeAndFaceOnly) {
    dialog->set_extended(false);
    dialog->set_style(0x40, 0);
    EXPECT_EQ(header(), u"IDD_ABOUT DIALOG 1, 2, 100, 50\r\nSTYLE DS_SETFONT\r\nFONT 9, \"Segoe UI\"");
}

}  // namespace
}  // namespace tavorin
