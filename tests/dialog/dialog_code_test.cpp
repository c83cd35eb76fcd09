#include "dialog/dialog_code.h"

#include <gtest/gtest.h>

#include "app/session.h"
#include "dialog/dialog.h"
#include "platform/scripted_platform.h"

namespace tavorin {
namespace {

using K = ControlKind;

ControlRecord control_record(K kind, std::uint32_t style, std::u16string text, std::uint32_t extended_style,
                             std::u16string identifier, std::u16string class_name) {
    ControlRecord record;
    record.kind = kind;
    record.text = std::move(text);
    record.identifier = std::move(identifier);
    record.identifier_value = 1000;
    record.x = 7;
    record.y = 9;
    record.width = 50;
    record.height = 14;
    record.style = style;
    record.extended_style = extended_style;
    record.class_name = std::move(class_name);
    return record;
}

class DialogCode : public ::testing::Test {
protected:
    DialogCode() {
        // A screen whose dialog font is 7 by 15 pixels per base unit, with frames of 3 pixels and
        // a 19-pixel caption.
        context.screen_font = [this](const FontSpec& font) {
            measured.push_back(font);
            return ScreenFont{-12, 7, 15};
        };
        context.window_frame = [](std::uint32_t style, std::uint32_t) {
            return (style & 0x00C00000) == 0x00C00000 ? FrameSize{6, 25} : FrameSize{0, 0};
        };
        dialog->set_rect(DialogRect{10, 20, 186, 95});
        dialog->set_style(0x80C800C8, 0);  // DS_MODALFRAME | DS_SHELLFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU
        dialog->set_font(DialogFont{9, u"Segoe UI", 700, 1, 0});
    }

    // A control at (7, 9) sized 50 by 14 dialog units.
    void add(K kind, std::uint32_t style, std::u16string text = {}, std::uint32_t extended_style = 0,
             std::u16string identifier = u"IDC_X", std::u16string class_name = {}) {
        ASSERT_TRUE(dialog->add_control(control_record(kind, style, std::move(text), extended_style,
                                                       std::move(identifier), std::move(class_name))));
    }

    std::u16string code(int number) {
        TextWriter out;
        write_dialog_code(out, *dialog, number, context);
        return out.take();
    }

    ScriptedPlatform platform;
    Session session{platform};
    std::unique_ptr<Dialog> dialog = std::make_unique<Dialog>(session.workspace(), true);
    CodeContext context;
    std::vector<FontSpec> measured;
};

TEST_F(DialogCode, ClassFontWindowAndControls) {
    dialog->set_caption(u"Say \"hi\"");
    add(K::button, 0x50010001, u"OK", 0, u"IDOK");
    add(K::static_text, 0x50020000, u"Name:", 0x4, u"IDC_STATIC");
    add(K::edit, 0x50810080, {}, 0x204, u"IDC_NAME");

    EXPECT_EQ(code(0),
              u"wcex.style          = CS_HREDRAW | CS_VREDRAW;\r\n"
              u"wcex.lpfnWndProc    = DefWindowProc;\r\n"
              u"wcex.hInstance      = hInst;\r\n"
              u"wcex.hIcon          = LoadIcon(0, (LPCTSTR)IDI_APPLICATION);\r\n"
              u"wcex.hCursor        = LoadCursor(NULL, IDC_ARROW);\r\n"
              u"wcex.lpszClassName  = TEXT(\"WndClass0\");\r\n"
              u"RegisterClassEx(&wcex);\r\n"
              u"\r\n"
              u"HFONT hfont0 = CreateFont(-12, 0, 0, 0, 700, TRUE, FALSE, FALSE, 0, 0, 0, 0, 0, "
              u"TEXT(\"Segoe UI\"));\r\n"
              u"HWND hwnd0 = CreateWindowEx(0, TEXT(\"WndClass0\"), TEXT(\"Say \\\"hi\\\"\"), "
              u"WS_CAPTION | WS_POPUP | WS_SYSMENU, 18, 38, 332, 203, 0, 0, hInst, 0);\r\n"
              u"HWND hCtrl0_0 = CreateWindowEx(0, WC_BUTTON, TEXT(\"OK\"), "
              u"WS_VISIBLE | WS_CHILD | WS_TABSTOP | BS_DEFPUSHBUTTON, 12, 17, 88, 26, hwnd0, (HMENU)IDOK, "
              u"hInst, 0);\r\n"
              u"SendMessage(hCtrl0_0, WM_SETFONT, (WPARAM)hfont0, FALSE);\r\n"
              u"HWND hCtrl0_1 = CreateWindowEx(0, WC_STATIC, TEXT(\"Name:\"), "
              u"WS_VISIBLE | WS_CHILD | WS_GROUP | SS_LEFT, 12, 17, 88, 26, hwnd0, (HMENU)IDC_STATIC, hInst, 0);\r\n"
              u"SendMessage(hCtrl0_1, WM_SETFONT, (WPARAM)hfont0, FALSE);\r\n"
              u"HWND hCtrl0_2 = CreateWindowEx(WS_EX_CLIENTEDGE, WC_EDIT, 0, "
              u"WS_VISIBLE | WS_CHILD | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 12, 17, 88, 26, hwnd0, "
              u"(HMENU)IDC_NAME, hInst, 0);\r\n"
              u"SendMessage(hCtrl0_2, WM_SETFONT, (WPARAM)hfont0, FALSE);\r\n");

    ASSERT_EQ(measured.size(), 1u);
    EXPECT_EQ(measured[0].face, u"Segoe UI");
    EXPECT_EQ(measured[0].point_size, 9);
    EXPECT_EQ(measured[0].weight, 700);
    EXPECT_TRUE(measured[0].italic);
}

TEST_F(DialogCode, NamesFollowTheProjectIndex) {
    add(K::button, 0x50010000, u"A");
    add(K::button, 0x50010000, u"B");
    const std::u16string text = code(3);
    for (const std::u16string_view part :
         {u"TEXT(\"WndClass3\");", u"HFONT hfont3 = ", u"HWND hwnd3 = CreateWindowEx(0, TEXT(\"WndClass3\")",
          u"HWND hCtrl3_0 = ", u"HWND hCtrl3_1 = ", u"hwnd3, (HMENU)IDC_X",
          u"SendMessage(hCtrl3_1, WM_SETFONT, (WPARAM)hfont3"}) {
        EXPECT_NE(text.find(part), std::u16string::npos) << std::string(part.begin(), part.end());
    }
}

TEST_F(DialogCode, NoCaptionNoMacroAndUnnamedBits) {
    context.text_macro = false;
    dialog->set_style(0x00000000, 0x00000400);  // no WS_ bit, an extended bit without a name
    add(K::button, 0x50010000, u"Go", 0x4);
    add(K::custom, 0x50800001, u"Look", 0x4 | 0x200, u"IDC_CUSTOM", u"MyClass");
    add(K::custom, 0x50000000, {}, 0, u"IDC_PLAIN", u"Other");

    const std::u16string text = code(1);
    EXPECT_NE(text.find(u"wcex.lpszClassName  = \"WndClass1\";"), std::u16string::npos);
    EXPECT_NE(text.find(u"CreateWindowEx(0x00000400, \"WndClass1\", 0, 0, 18, 38, 326, 178, 0, 0, hInst, 0);"),
              std::u16string::npos);
    EXPECT_NE(text.find(u"hCtrl1_0 = CreateWindowEx(0, WC_BUTTON, \"Go\", "), std::u16string::npos);
    EXPECT_NE(text.find(u"hCtrl1_1 = CreateWindowEx(0x00000200, \"MyClass\", \"Look\", 0x50800001, "),
              std::u16string::npos);
    EXPECT_NE(text.find(u"hCtrl1_2 = CreateWindowEx(0, \"Other\", \"\", 0x50000000, "), std::u16string::npos);
}

TEST(NominalScreen, FontAndFrames) {
    const ScreenFont font = nominal_screen_font(FontSpec{u"MS Shell Dlg", 8, 400, false});
    EXPECT_EQ(font.height, -11);
    EXPECT_EQ(font.base_width, 6);
    EXPECT_EQ(font.base_height, 13);

    EXPECT_EQ(nominal_window_frame(0x80C80000, 0).width, 6);    // popup, caption, system menu
    EXPECT_EQ(nominal_window_frame(0x80C80000, 0).height, 25);
    EXPECT_EQ(nominal_window_frame(0x80CC0000, 0).width, 8);    // and a sizing frame
    EXPECT_EQ(nominal_window_frame(0x80000000, 0x200).height, 4);  // a client edge only
    EXPECT_EQ(nominal_window_frame(0x40000000, 0).width, 0);
}

}  // namespace
}  // namespace tavorin
