#include "app/win32/code_preview_pane.h"

#include <commdlg.h>
#include <richedit.h>

#include <string>

#include "app/command_ids.h"
#include "gui_test_support.h"

namespace tavorin::testing {
namespace {

constexpr COLORREF keyword_colour = RGB(127, 0, 85);
constexpr COLORREF comment_colour = RGB(63, 127, 95);
constexpr COLORREF literal_colour = RGB(42, 0, 255);

class CodePreviewPaneTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        parent = CreateWindowExW(0, L"STATIC", nullptr, WS_POPUP | WS_VISIBLE, 0, 0, 500, 400, nullptr, nullptr,
                                 instance, nullptr);
        ASSERT_NE(parent, nullptr);
        ASSERT_TRUE(pane.create(parent, 5));
        MoveWindow(pane.window(), 0, 0, 500, 400, TRUE);
        ShowWindow(pane.window(), SW_SHOW);
    }
    void TearDown() override { DestroyWindow(parent); }

    // The characters of the control in [first, last), as the control holds them (CR ends a line).
    std::wstring range(LONG first, LONG last) {
        std::wstring text(static_cast<std::size_t>(last - first) + 1, L'\0');
        TEXTRANGEW request{{first, last}, text.data()};
        const LRESULT copied = SendMessageW(pane.edit(), EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&request));
        text.resize(static_cast<std::size_t>(copied));
        return text;
    }
    LONG length() {
        GETTEXTLENGTHEX how{GTL_NUMCHARS | GTL_PRECISE, 1200};
        return static_cast<LONG>(SendMessageW(pane.edit(), EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&how), 0));
    }
    LONG find(const wchar_t* text) {
        FINDTEXTW request{{0, -1}, text};
        return static_cast<LONG>(
            SendMessageW(pane.edit(), EM_FINDTEXTW, FR_DOWN | FR_MATCHCASE, reinterpret_cast<LPARAM>(&request)));
    }
    CHARFORMAT2W format_at(LONG first, LONG last) {
        SendMessageW(pane.edit(), EM_SETSEL, first, last);
        CHARFORMAT2W format{};
        format.cbSize = sizeof format;
        format.dwMask = CFM_COLOR | CFM_BOLD | CFM_FACE | CFM_SIZE;
        SendMessageW(pane.edit(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        return format;
    }
    std::wstring clipboard_text() {
        std::wstring text;
        if (!OpenClipboard(parent)) return text;
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
                text = chars;
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
        return text;
    }

    HWND parent = nullptr;
    CodePreviewPane pane{app};
};

TEST_F(CodePreviewPaneTest, ColoursReachTheRichEditControl) {
    pane.show(u"DIALOGEX 0\r\n// note\r\nCAPTION \"Hello\"\r\n#include <windows.h>\r\nx \u4E2D\u00E9\uFF01");

    const LONG keyword = find(L"DIALOGEX");
    ASSERT_EQ(keyword, 0);
    const CHARFORMAT2W bold = format_at(keyword, keyword + 8);
    EXPECT_EQ(bold.crTextColor, keyword_colour);
    EXPECT_TRUE(bold.dwEffects & CFE_BOLD);
    EXPECT_EQ(std::wstring(bold.szFaceName), L"Courier New");
    EXPECT_EQ(bold.yHeight, 200);  // 10 points, in twips

    const LONG comment = find(L"// note");
    const CHARFORMAT2W note = format_at(comment, comment + 7);
    EXPECT_EQ(note.crTextColor, comment_colour);
    EXPECT_FALSE(note.dwEffects & CFE_BOLD);

    const LONG literal = find(L"\"Hello\"");
    EXPECT_EQ(format_at(literal, literal + 7).crTextColor, literal_colour);
    EXPECT_EQ(format_at(find(L"<windows.h>"), find(L"<windows.h>") + 11).crTextColor, literal_colour);
    EXPECT_EQ(format_at(find(L"#include"), find(L"#include") + 8).crTextColor, keyword_colour);

    const CHARFORMAT2W plain = format_at(find(L"x "), find(L"x ") + 1);
    EXPECT_TRUE((plain.dwEffects & CFE_AUTOCOLOR) || plain.crTextColor == RGB(0, 0, 0));
    EXPECT_FALSE(plain.dwEffects & CFE_BOLD);

    EXPECT_EQ(range(find(L"x ") + 2, find(L"x ") + 5), L"\u4E2D\u00E9\uFF01");
}

TEST_F(CodePreviewPaneTest, ShowReplacesTheTextAndHoldsLongTexts) {
    pane.show(u"first");
    std::u16string text;
    for (int i = 0; i < 5000; ++i) text += u"LTEXT \"Line\", IDC_STATIC, 7, 7, 50, 8\r\n";
    pane.show(text + u"LAST");
    EXPECT_EQ(find(L"first"), -1);
    // Every line ends in one CR inside the control; far beyond the default limit of 32K.
    EXPECT_EQ(find(L"LAST"), 5000 * 38);
}

TEST_F(CodePreviewPaneTest, SelectAllAndCopyKeepTheFocus) {
    pane.show(u"MENU\r\nBEGIN");
    SetFocus(pane.window());
    EXPECT_EQ(GetFocus(), pane.edit());

    EXPECT_TRUE(pane.on_command(cmd::select_all));
    CHARRANGE selection{};
    SendMessageW(pane.edit(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    EXPECT_EQ(selection.cpMin, 0);
    EXPECT_GE(selection.cpMax, length());  // the end of the document may count as one more

    SendMessageW(pane.edit(), EM_SETSEL, 5, 10);  // "MENU", CR, "BEGIN"
    EXPECT_TRUE(pane.on_command(cmd::copy));
    EXPECT_EQ(clipboard_text(), L"BEGIN");
    EXPECT_EQ(GetFocus(), pane.edit());

    EXPECT_FALSE(pane.on_command(cmd::undo));
}

}  // namespace
}  // namespace tavorin::testing
