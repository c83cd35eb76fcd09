#include "app/win32/preferences_dialog.h"

#include <deque>
#include <fstream>
#include <optional>
#include <sstream>

#include "app/command_ids.h"
#include "app/win32/include_question_dialog.h"
#include "app/win32/main_window.h"
#include "app/win32/startup.h"
#include "gui_test_support.h"

namespace tavorin::testing {
namespace {

namespace id = prefs_control;

// Drives the modal windows of a test from a timer: each step waits for a popup of the thread
// other than the one it last handled, acts on it and is used up.
struct ModalScript {
    static inline std::deque<std::function<void(HWND)>> steps;
    static inline HWND handled = nullptr;

    static BOOL CALLBACK find_popup(HWND window, LPARAM found) {
        wchar_t class_name[16] = {};
        GetClassNameW(window, class_name, 16);
        if (IsWindowVisible(window) && std::wstring(class_name) == L"#32770" && window != handled) {
            *reinterpret_cast<HWND*>(found) = window;
            return FALSE;
        }
        return TRUE;
    }
    static void CALLBACK tick(HWND, UINT, UINT_PTR timer, DWORD) {
        if (steps.empty()) {
            KillTimer(nullptr, timer);
            return;
        }
        HWND popup = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), find_popup, reinterpret_cast<LPARAM>(&popup));
        if (popup == nullptr) return;
        handled = popup;
        auto step = std::move(steps.front());
        steps.pop_front();
        step(popup);
    }
    static void run(std::deque<std::function<void(HWND)>> script) {
        steps = std::move(script);
        handled = nullptr;
        SetTimer(nullptr, 0, 50, tick);
    }
};

HTREEITEM find_tree_item(HWND tree, HTREEITEM item, const std::wstring& text) {
    for (; item != nullptr; item = next_item(tree, item, TVGN_NEXT)) {
        if (item_text(tree, item) == text) return item;
        if (HTREEITEM inside = find_tree_item(tree, next_item(tree, item, TVGN_CHILD), text)) return inside;
    }
    return nullptr;
}

void select_page(HWND dialog, const std::u16string& title) {
    HWND tree = GetDlgItem(dialog, id::tree);
    HTREEITEM item = find_tree_item(tree, next_item(tree, nullptr, TVGN_ROOT), std::wstring(title.begin(), title.end()));
    ASSERT_NE(item, nullptr);
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
}

void set_text(HWND dialog, int control, const wchar_t* text) { SetWindowTextW(GetDlgItem(dialog, control), text); }
void click(HWND dialog, int control) { SendMessageW(GetDlgItem(dialog, control), BM_CLICK, 0, 0); }
bool visible(HWND dialog, int control) { return IsWindowVisible(GetDlgItem(dialog, control)) != FALSE; }

class PreferencesDialogTest : public GuiTest {
protected:
    std::string config_file() const {
        std::ifstream in(folder / "Tavorin.xml", std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::u16string title(PreferencesPage page) const { return session.text(preferences_page_title(page)); }
};

struct PageCase {
    PreferencesPage page;
    std::function<void(HWND, Session&)> change;
    const char* written;  // a piece of Tavorin.xml that only the change makes
};

TEST_F(PreferencesDialogTest, AValueChangedOnEachPageIsInTheFileAfterOkAndNotAfterCancel) {
    const PageCase cases[] = {
        {PreferencesPage::general, [](HWND d, Session&) { click(d, id::multiple_tabs); }, "<singleTabMode value=\"false\"/>"},
        {PreferencesPage::include_paths,
         [](HWND d, Session&) {
             set_text(d, id::include_path, L"C:\\sdk\\include");
             click(d, id::include_add);
         },
         "<include path=\"C:\\sdk\\include\"/>"},
        {PreferencesPage::code_generation, [](HWND d, Session&) { set_text(d, id::header_name, L"%barefilename%_res.h"); },
         "<headerName>%barefilename%_res.h</headerName>"},
        {PreferencesPage::files, [](HWND d, Session&) { SendMessageW(GetDlgItem(d, id::encoding), CB_SETCURSEL, 2, 0); },
         "<encoding value=\"2\"/>"},
        {PreferencesPage::script_template,
         [](HWND d, Session&) { set_text(d, id::template_text, L"// my template\r\n%RESOURCES%"); }, "// my template"},
        {PreferencesPage::dialog_editor, [](HWND d, Session&) { set_text(d, id::grid_width, L"9"); }, "<grid width=\"9\""},
        {PreferencesPage::control_preferences,
         [](HWND d, Session& s) {
             select_page(d, s.control_catalog().entries()[0].display_name);
             set_text(d, id::control_identifier, L"IDC_KNOPF");
         },
         "id=\"IDC_KNOPF\""},
        {PreferencesPage::image_editor, [](HWND d, Session&) { click(d, id::preset_dark); }, "color1=\"0x00666666\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.page));
        std::filesystem::remove(folder / "Tavorin.xml");
        for (const bool confirm : {false, true}) {
            bool page_shown = false;
            ModalScript::run({[&](HWND dialog) {
                select_page(dialog, title(c.page));
                page_shown = true;
                c.change(dialog, session);
                click(dialog, confirm ? IDOK : IDCANCEL);
            }});
            EXPECT_EQ(show_preferences(app, nullptr, PreferencesPage::general, {}), confirm);
            EXPECT_TRUE(page_shown);
            const std::string written = config_file();
            EXPECT_EQ(written.find(c.written) != std::string::npos, confirm) << written;
        }
    }
    EXPECT_FALSE(session.config().single_tab_mode);
    EXPECT_EQ(session.config().include_paths, std::vector<std::u16string>{u"C:\\sdk\\include"});
    EXPECT_EQ(session.designer_settings().grid_width, 9);
    EXPECT_EQ(session.control_catalog().entries()[0].default_identifier, u"IDC_KNOPF");
}

TEST_F(PreferencesDialogTest, ApplyWritesAndKeepsTheDialogOpenAndTheTemplateListFillsTheText) {
    std::filesystem::create_directories(folder / "templates");
    write_text(folder / "templates" / "Short.txt", "#include \"%RESOURCE_HEADER%\"\r\n%RESOURCES%");
    std::wstring loaded;
    ModalScript::run({[&](HWND dialog) {
        select_page(dialog, title(PreferencesPage::script_template));
        EXPECT_TRUE(visible(dialog, id::template_text));
        EXPECT_FALSE(visible(dialog, id::header_name));
        HWND list = GetDlgItem(dialog, id::template_list);
        SendMessageW(list, CB_SETCURSEL, 0, 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id::template_list, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
        loaded = window_text(GetDlgItem(dialog, id::template_text));
        wait_for_screenshot(dialog, "preferences-template");
        click(dialog, id::apply);
        EXPECT_TRUE(IsWindow(dialog));
        select_page(dialog, title(PreferencesPage::general));
        wait_for_screenshot(dialog, "preferences-general");
        select_page(dialog, title(PreferencesPage::image_editor));
        wait_for_screenshot(dialog, "preferences-image-editor");
        click(dialog, IDCANCEL);
    }});
    EXPECT_FALSE(show_preferences(app, nullptr, PreferencesPage::general, {}));
    EXPECT_EQ(loaded, L"#include \"%RESOURCE_HEADER%\"\r\n%RESOURCES%");
    EXPECT_EQ(session.config().resource_header, u"#include \"%RESOURCE_HEADER%\"\r\n%RESOURCES%");
    EXPECT_NE(config_file().find("%RESOURCES%"), std::string::npos);
}

class PreferencesWindowTest : public PreferencesDialogTest {
protected:
    void SetUp() override {
        PreferencesDialogTest::SetUp();
        std::filesystem::create_directories(folder / "languages");
        std::filesystem::copy_file(std::filesystem::path(TAVORIN_SOURCE_DIR) / "data" / "languages" / "Deutsch.txt",
                                   folder / "languages" / "Deutsch.txt");
        window.emplace(app);
        ASSERT_TRUE(window->create());
    }
    void TearDown() override { window.reset(); }

    std::wstring first_menu() const {
        wchar_t text[64] = {};
        GetMenuStringW(window->menu_bar(), 0, text, 64, MF_BYPOSITION);
        return text;
    }
    void choose_language(const wchar_t* name) {
        ModalScript::run({[name](HWND dialog) {
            HWND list = GetDlgItem(dialog, id::language);
            SendMessageW(list, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
            click(dialog, IDOK);
        }});
        SendMessageW(window->handle(), WM_COMMAND, cmd::preferences, 0);
        drain_messages();
    }

    std::optional<MainWindow> window;
};

TEST_F(PreferencesWindowTest, SwitchingTheLanguageChangesTheMenusAndSaysARestartCompletesIt) {
    EXPECT_EQ(first_menu(), L"&File");
    choose_language(L"Deutsch");
    EXPECT_EQ(first_menu(), L"&Datei");
    EXPECT_EQ(session.config().language, u"Deutsch");
    ASSERT_FALSE(platform.questions.empty());
    EXPECT_EQ(platform.questions.back().text, u"Sie müssen Tavorin neu starten, damit die Änderungen wirksam werden");
    EXPECT_NE(config_file().find("<language>Deutsch</language>"), std::string::npos);

    choose_language(L"English");
    EXPECT_EQ(first_menu(), L"&File");
    EXPECT_EQ(session.config().language, u"English");
}

TEST_F(PreferencesWindowTest, TheStartUpQuestionOpensTheIncludePathsAndDoNotAskAgainIsKept) {
    bool include_page_shown = false;
    std::wstring question;
    ModalScript::run({
        [&](HWND ask) {
            question = window_text(GetDlgItem(ask, include_question_control::question));
            click(ask, include_question_control::do_not_ask);
            click(ask, IDYES);
        },
        [&](HWND preferences) {
            include_page_shown = visible(preferences, id::include_list) && !visible(preferences, id::language);
            set_text(preferences, id::include_path, L"Z:\\usr\\share\\mingw-w64\\include");
            click(preferences, id::include_add);
            wait_for_screenshot(preferences, "preferences-include-paths");
            click(preferences, IDOK);
        },
    });
    EXPECT_TRUE(run_include_question(app, *window, true));
    EXPECT_EQ(question, L"No include paths are configured. Do you want to configure include paths now?");
    EXPECT_TRUE(include_page_shown);
    EXPECT_EQ(session.config().include_paths, std::vector<std::u16string>{u"Z:\\usr\\share\\mingw-w64\\include"});
    EXPECT_FALSE(session.config().ask_includes);
    EXPECT_NE(config_file().find("<askIncludes value=\"false\"/>"), std::string::npos);

    // Configured now: no question, and a script that includes the platform header reads.
    EXPECT_FALSE(run_include_question(app, *window, true));
    write_text(folder / "hello.rc",
               "#include <windows.h>\r\n#define IDD_HELLO 100\r\n"
               "IDD_HELLO DIALOGEX 0, 0, 100, 50\r\nSTYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION\r\n"
               "CAPTION \"Hello\"\r\nBEGIN\r\n    DEFPUSHBUTTON \"OK\", IDOK, 20, 20, 50, 14\r\nEND\r\n");
    bool error_shown = false;
    ModalScript::run({[&](HWND popup) {
        error_shown = true;
        PostMessageW(popup, WM_COMMAND, IDCANCEL, 0);
    }});
    window->open_file(folder / "hello.rc");
    ASSERT_TRUE(pump_until([this] { return !window->loading(); }, 120000));
    pump_until([] { return false; }, 300);
    ModalScript::steps.clear();
    EXPECT_FALSE(error_shown);
    EXPECT_EQ(session.log().errors(), 0);
    EXPECT_EQ(session.project().resources().size(), 1u);
}

TEST_F(PreferencesWindowTest, CancellingTheStartUpQuestionChangesNothing) {
    ModalScript::run({[](HWND ask) {
        click(ask, include_question_control::do_not_ask);
        click(ask, IDCANCEL);
    }});
    EXPECT_FALSE(run_include_question(app, *window, false));
    EXPECT_TRUE(session.config().ask_includes);
    EXPECT_TRUE(session.config().include_paths.empty());
}

}  // namespace
}  // namespace tavorin::testing
