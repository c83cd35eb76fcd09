// The main window's code views: the whole script, the C/C++ code and one resource's script text,
// each coloured in its Rich Edit pane inside the editor area, reached by the menu commands and
// the resource tree's context menu; Select All and Copy through the main window's commands.

#include "platform/win32/windows_api.h"
#include <commctrl.h>
#include <commdlg.h>
#include <richedit.h>

#include <cstring>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/command_ids.h"
#include "app/win32/main_window.h"
#include "base/file_io.h"
#include "base/text_writer.h"
#include "formats/code_generation.h"
#include "formats/script_writer.h"
#include "formats/win32/screen_font.h"
#include "gui_test_support.h"

namespace tavorin::testing {
namespace {

constexpr COLORREF keyword_colour = RGB(127, 0, 85);
constexpr COLORREF comment_colour = RGB(63, 127, 95);
constexpr COLORREF literal_colour = RGB(42, 0, 255);

// The styles too, as the tests have no system headers to include.
constexpr std::string_view header_text =
    "#define IDR_MAIN 100\r\n#define IDM_GO 200\r\n#define IDD_MAIN 101\r\n#define IDC_NAME 1001\r\n"
    "#define DS_SETFONT 0x40\r\n#define WS_POPUP 0x80000000\r\n#define WS_CAPTION 0xC00000\r\n"
    "#define WS_SYSMENU 0x80000\r\n";
constexpr std::string_view script_text =
    "#include \"resource.h\"\r\n"
    "LANGUAGE 9, 1\r\n"
    "IDR_MAIN MENU\r\n"
    "BEGIN\r\n"
    "    POPUP \"&File\"\r\n"
    "    BEGIN\r\n"
    "        MENUITEM \"&Go\", IDM_GO\r\n"
    "    END\r\n"
    "END\r\n"
    "IDD_MAIN DIALOGEX 10, 20, 200, 100\r\n"
    "STYLE DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU\r\n"
    "CAPTION \"Caf\xC3\xA9 \xE4\xB8\xAD\"\r\n"
    "FONT 12, \"Arial\"\r\n"
    "BEGIN\r\n"
    "    LTEXT \"Name:\", -1, 7, 7, 40, 8\r\n"
    "    EDITTEXT IDC_NAME, 50, 7, 100, 14\r\n"
    "    DEFPUSHBUTTON \"OK\", 1, 140, 80, 50, 14\r\n"
    "END\r\n";

// Shown inside the editor area: the pane and the control in it (the main window may be hidden).
bool shown(HWND edit) {
    const auto visible = [](HWND window) { return (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0; };
    return visible(edit) && visible(GetParent(edit));
}

std::wstring class_name(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

// The control's whole text with CR LF line ends, as the generators write them.
std::u16string rich_text(HWND edit) {
    GETTEXTLENGTHEX how{GTL_USECRLF | GTL_NUMCHARS | GTL_PRECISE, 1200};
    const auto length = static_cast<std::size_t>(SendMessageW(edit, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&how), 0));
    std::u16string text(length + 1, u'\0');
    GETTEXTEX request{};
    request.cb = static_cast<DWORD>((length + 1) * sizeof(char16_t));
    request.flags = GT_USECRLF;
    request.codepage = 1200;
    const auto copied = static_cast<std::size_t>(
        SendMessageW(edit, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request), reinterpret_cast<LPARAM>(text.data())));
    text.resize(copied);
    return text;
}

// A text as the control holds it: Rich Edit takes the last line break of a document streamed in
// as its own end of text, which its text does not include.
std::u16string as_shown(std::u16string text) {
    if (text.ends_with(u"\r\n")) text.resize(text.size() - 2);
    return text;
}

// The format of the first occurrence of `text`; none when the control does not hold it.
std::optional<CHARFORMAT2W> format_of(HWND edit, const wchar_t* text) {
    FINDTEXTW request{{0, -1}, text};
    const auto found =
        static_cast<LONG>(SendMessageW(edit, EM_FINDTEXTW, FR_DOWN | FR_MATCHCASE, reinterpret_cast<LPARAM>(&request)));
    if (found < 0) return std::nullopt;
    SendMessageW(edit, EM_SETSEL, found, found + static_cast<LONG>(std::wstring_view(text).size()));
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_COLOR | CFM_BOLD;
    SendMessageW(edit, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return format;
}

std::u16string clipboard_text(HWND owner) {
    std::u16string text;
    if (!OpenClipboard(owner)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const char16_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

// The item of the resource whose label starts with `name`.
HTREEITEM item_named(HWND tree, std::wstring_view name) {
    for (HTREEITEM branch = next_item(tree, nullptr, TVGN_ROOT); branch; branch = next_item(tree, branch, TVGN_NEXT)) {
        for (HTREEITEM item = next_item(tree, branch, TVGN_CHILD); item; item = next_item(tree, item, TVGN_NEXT)) {
            if (item_text(tree, item).starts_with(name)) return item;
        }
    }
    return nullptr;
}

class CodePreviewsTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        previous_folder = std::filesystem::current_path();
        window.emplace(app);
        ASSERT_TRUE(window->create());
        write_text(folder / "resource.h", header_text);
        write_text(folder / "app.rc", script_text);
        window->open_file(folder / "app.rc");
        ASSERT_TRUE(pump_until([this] { return !window->loading(); }));
        ASSERT_TRUE(window->project_open());
    }
    void TearDown() override {
        window.reset();
        std::filesystem::current_path(previous_folder);
    }

    void command(cmd::Id id) { SendMessageW(window->handle(), WM_COMMAND, static_cast<WPARAM>(id), 0); }
    HWND view() const { return window->editors().active_view(); }
    Resource& resource_named(std::u16string_view name) {
        for (const auto& each : session.project().resources()) {
            if (each->tree_name() == name) return *each;
        }
        ADD_FAILURE() << "no resource of that name";
        return *session.project().resources().front();
    }

    std::filesystem::path previous_folder;
    std::optional<MainWindow> window;
};

TEST_F(CodePreviewsTest, TheWholeScriptIsColouredInARichEditPage) {
    command(cmd::preview_resource_script);
    ASSERT_NE(view(), nullptr);
    EXPECT_EQ(class_name(view()), L"RichEdit20W");
    EXPECT_TRUE(shown(view()));
    EXPECT_EQ(window->editors().active(), nullptr) << "a preview belongs to no resource";
    EXPECT_EQ(rich_text(view()), as_shown(script_preview(session.workspace(), window->document().state().header_name)));

    const auto banner = format_of(view(), L"// Generated by Tavorin");
    ASSERT_TRUE(banner);
    EXPECT_EQ(banner->crTextColor, comment_colour);
    const auto keyword = format_of(view(), L"DIALOGEX");
    ASSERT_TRUE(keyword);
    EXPECT_EQ(keyword->crTextColor, keyword_colour);
    EXPECT_TRUE(keyword->dwEffects & CFE_BOLD);
    const auto caption = format_of(view(), L"\"Caf\u00E9 \u4E2D\"");
    ASSERT_TRUE(caption) << "the caption's characters above 127 arrive whole";
    EXPECT_EQ(caption->crTextColor, literal_colour);
    const auto plain = format_of(view(), L"IDD_MAIN");
    ASSERT_TRUE(plain);
    EXPECT_TRUE((plain->dwEffects & CFE_AUTOCOLOR) || plain->crTextColor == RGB(0, 0, 0));
}

TEST_F(CodePreviewsTest, TheCodeIsMeasuredWithThisScreensFonts) {
    command(cmd::preview_c_source);
    ASSERT_EQ(class_name(view()), L"RichEdit20W");
    const std::u16string code = rich_text(view());
    EXPECT_EQ(code, as_shown(c_code_preview(session.workspace(), screen_code_context(session.config()))));
    EXPECT_NE(code.find(u"HWND hwnd1 = CreateWindowEx("), std::u16string::npos) << "the menu comes first";
    const auto banner = format_of(view(), L"// Generated by Tavorin");
    ASSERT_TRUE(banner);
    EXPECT_EQ(banner->crTextColor, comment_colour);
    const auto literal = format_of(view(), L"\"WndClass1\"");
    ASSERT_TRUE(literal);
    EXPECT_EQ(literal->crTextColor, literal_colour);

    // The toolbar's button shows the same page.
    const HWND code_view = view();
    command(cmd::preview_resource_script);
    EXPECT_NE(view(), code_view);
    command(cmd::c_code);
    EXPECT_EQ(view(), code_view);
    EXPECT_EQ(rich_text(view()), code);
    EXPECT_EQ(window->editors().count(), 2u) << "each preview keeps its own page";
}

TEST_F(CodePreviewsTest, OneResourcesScriptTextIsItsLanguageStatementAndText) {
    HWND tree = window->tree().handle();
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item_named(tree, L"IDR_MAIN")));
    command(cmd::preview_one_resource);
    ASSERT_EQ(class_name(view()), L"RichEdit20W");
    TextWriter menu_text(session.config().pascal);
    write_resource_text(menu_text, resource_named(u"IDR_MAIN"), session.workspace());
    EXPECT_EQ(rich_text(view()), as_shown(menu_text.take()));
    const auto popup = format_of(view(), L"POPUP");
    ASSERT_TRUE(popup);
    EXPECT_EQ(popup->crTextColor, keyword_colour);

    // Another resource refills the same page.
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item_named(tree, L"IDD_MAIN")));
    command(cmd::preview_one_resource);
    TextWriter dialog_text(session.config().pascal);
    write_resource_text(dialog_text, resource_named(u"IDD_MAIN"), session.workspace());
    EXPECT_EQ(rich_text(view()), as_shown(dialog_text.take()));
    EXPECT_EQ(window->editors().count(), 1u);
}

TEST_F(CodePreviewsTest, TheTreesContextMenuOffersTheResourcesScriptText) {
    HWND tree = window->tree().handle();
    const HTREEITEM item = item_named(tree, L"IDD_MAIN");
    RECT rect{};
    std::memcpy(&rect, &item, sizeof item);
    ASSERT_TRUE(SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect)));
    POINT point{rect.left + 2, rect.top + 2};
    ClientToScreen(tree, &point);
    // The menu's own loop takes these keys: the first item, chosen.
    PostMessageW(window->handle(), WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(window->handle(), WM_KEYDOWN, VK_RETURN, 0);
    SendMessageW(window->handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(tree), MAKELPARAM(point.x, point.y));

    EXPECT_EQ(window->tree().selected(), &resource_named(u"IDD_MAIN")) << "the right click selects";
    ASSERT_NE(view(), nullptr);
    EXPECT_EQ(class_name(view()), L"RichEdit20W");
    EXPECT_NE(rich_text(view()).find(u"IDD_MAIN DIALOGEX"), std::u16string::npos);
}

TEST_F(CodePreviewsTest, SelectAllAndCopyPutThePlainTextOnTheClipboard) {
    command(cmd::preview_c_source);
    SetFocus(view());
    command(cmd::select_all);
    command(cmd::copy);
    EXPECT_EQ(clipboard_text(window->handle()), rich_text(view()));
    EXPECT_EQ(GetFocus(), view());
}

TEST_F(CodePreviewsTest, ClosingTheProjectHidesThePagesAndTheyComeBack) {
    command(cmd::preview_resource_script);
    const HWND first = view();
    command(cmd::close_project);
    EXPECT_EQ(window->editors().count(), 0u);
    EXPECT_FALSE(shown(first));
    command(cmd::preview_resource_script);
    EXPECT_EQ(window->editors().count(), 0u) << "no preview without a project";

    window->open_file(folder / "app.rc");
    ASSERT_TRUE(pump_until([this] { return !window->loading(); }));
    command(cmd::preview_resource_script);
    EXPECT_EQ(view(), first) << "the pane lives as long as the window";
    EXPECT_TRUE(shown(first));
    EXPECT_NE(rich_text(first).find(u"IDD_MAIN DIALOGEX"), std::u16string::npos);
}

}  // namespace
}  // namespace tavorin::testing
