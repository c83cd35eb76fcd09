// The main window with a project: opening, the tree, saving as every kind, the reload question,
// closing with unsaved changes, dropped files, the panels and the dialogs a load can bring up.

#include "platform/win32/windows_api.h"
#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <span>
#include <string_view>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "app/layout_file.h"
#include "app/win32/app_messages.h"
#include "app/win32/custom_resource_dialog.h"
#include "app/win32/main_window.h"
#include "app/win32/parse_error_dialog.h"
#include "base/file_io.h"
#include "dialog/dialog.h"
#include "formats/res_file.h"
#include "gui_test_support.h"
#include "resources/accelerator/accelerator_table.h"
#include "resources/stringtable/string_table.h"
#include "resources/stringtable/win32/string_table_editor.h"
#include "ui/panel_layout.h"

namespace tavorin::testing {
namespace {

// A compiled resource file with an accelerator table and an English string table (and a dialog
// when asked), made by a session of its own.
void write_sample_res(const std::filesystem::path& path, bool with_dialog = false) {
    ScriptedPlatform platform;
    Session maker(platform);
    if (with_dialog) add_new_dialog(maker.workspace());
    add_new_accelerator_table(maker.workspace());
    string_table_for(maker.workspace(), 0x409).add_entry(u"1", u"Hello");
    ASSERT_TRUE(write_res_file(maker.workspace(), path).ok());
}

// Every branch with its items, as "Branch: label, label".
std::vector<std::wstring> tree_lines(HWND tree) {
    std::vector<std::wstring> lines;
    for (HTREEITEM branch = next_item(tree, nullptr, TVGN_ROOT); branch; branch = next_item(tree, branch, TVGN_NEXT)) {
        std::wstring line = item_text(tree, branch) + L":";
        for (HTREEITEM item = next_item(tree, branch, TVGN_CHILD); item; item = next_item(tree, item, TVGN_NEXT)) {
            line += L" " + item_text(tree, item);
        }
        lines.push_back(line);
    }
    return lines;
}

HTREEITEM first_resource_item(HWND tree) {
    return next_item(tree, next_item(tree, nullptr, TVGN_ROOT), TVGN_CHILD);
}

// Modal windows (the Messages window, the parse-error dialog) run their own loops; this timer
// looks at the first one that comes up, lets the test inspect it, and closes it.
// With `close` false the inspection itself ends the popup.
struct PopupWatcher {
    static inline HWND main = nullptr;
    static inline std::function<void(HWND)> inspect;
    static inline int seen = 0;
    static inline bool close = true;

    static void CALLBACK tick(HWND, UINT, UINT_PTR id, DWORD) {
        HWND popup = GetLastActivePopup(main);
        if (popup == nullptr || popup == main) return;
        KillTimer(nullptr, id);
        ++seen;
        if (inspect) inspect(popup);
        if (close) PostMessageW(popup, WM_COMMAND, IDCANCEL, 0);
    }
    static void arm(HWND main_window, std::function<void(HWND)> check, bool close_popup = true) {
        main = main_window;
        inspect = std::move(check);
        seen = 0;
        close = close_popup;
        SetTimer(nullptr, 0, 50, tick);
    }
};

class ProjectWindowTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        previous_folder = std::filesystem::current_path();
        window.emplace(app);
        ASSERT_TRUE(window->create());
    }
    void TearDown() override {
        window.reset();
        std::filesystem::current_path(previous_folder);
    }

    HWND handle() const { return window->handle(); }
    HWND tree() const { return window->tree().handle(); }
    std::filesystem::path file(const char* name) const { return folder / name; }

    void command(cmd::Id id) { SendMessageW(handle(), WM_COMMAND, static_cast<WPARAM>(id), 0); }

    // Opens the file as the command line or a drop would, and waits for the worker.
    void open(const std::filesystem::path& path) {
        window->open_file(path);
        ASSERT_TRUE(pump_until([this] { return !window->loading(); }));
    }

    std::filesystem::path previous_folder;
    std::optional<MainWindow> window;
};

TEST_F(ProjectWindowTest, OpeningACompiledFileFillsTheTreeAndTheTitle) {
    write_sample_res(file("app.res"));
    open(file("app.res"));
    EXPECT_TRUE(window->project_open());
    EXPECT_TRUE(IsWindowEnabled(handle())) << "the window is enabled again after the load";
    EXPECT_EQ(window_text(handle()), L"Tavorin - " + file("app.res").wstring());
    EXPECT_EQ(tree_lines(tree()), (std::vector<std::wstring>{L"String Table: [English (United States)]",
                                                              L"Accelerator: 100 [Neutral]"}));
    EXPECT_FALSE((GetMenuState(window->menu_bar(), cmd::save, MF_BYCOMMAND) & MF_GRAYED) != 0);
    wchar_t status[512] = {};
    SendMessageW(window->status_line(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(status));
    EXPECT_EQ(std::wstring(status), file("app.res").wstring() + L" opened");
}

TEST_F(ProjectWindowTest, TheToolbarsProjectButtonsWaitForAProject) {
    const auto enabled = [this](cmd::Id id) {
        return SendMessageW(window->toolbar(), TB_ISBUTTONENABLED, static_cast<WPARAM>(id), 0) != 0;
    };
    for (cmd::Id id : {cmd::save, cmd::c_code, cmd::preview_resource_script, cmd::add_dialog, cmd::add_menu})
        EXPECT_FALSE(enabled(id)) << id;
    EXPECT_TRUE(enabled(cmd::new_project));
    EXPECT_TRUE(enabled(cmd::open_project));

    write_sample_res(file("app.res"));
    open(file("app.res"));
    for (cmd::Id id : {cmd::save, cmd::c_code, cmd::preview_resource_script, cmd::add_dialog, cmd::add_menu})
        EXPECT_TRUE(enabled(id)) << id;
    for (cmd::Id id : {cmd::cut, cmd::copy, cmd::paste}) EXPECT_FALSE(enabled(id)) << "no editor enabled " << id;

    // A button sends its command like the menu item.
    SendMessageW(handle(), WM_COMMAND, MAKEWPARAM(cmd::close_project, BN_CLICKED),
                 reinterpret_cast<LPARAM>(window->toolbar()));
    EXPECT_FALSE(window->project_open());
    EXPECT_FALSE(enabled(cmd::save));
}

TEST_F(ProjectWindowTest, TheCommandLinesFileOpensThroughTheOpenCommandToo) {
    write_sample_res(file("app.res"));
    platform.chosen_files = {file("app.res")};
    command(cmd::open_project);
    ASSERT_TRUE(pump_until([this] { return !window->loading(); }));
    ASSERT_EQ(platform.file_dialogs.size(), 1u);
    EXPECT_FALSE(platform.file_dialogs[0].save);
    EXPECT_EQ(platform.file_dialogs[0].choice.filter.rfind(u"All compatible files", 0), 0u);
    EXPECT_TRUE(window->project_open());
    EXPECT_EQ(tree_lines(tree()).size(), 2u);
}

TEST_F(ProjectWindowTest, SavedAsAnotherKindTheProjectReadsBack) {
    write_sample_res(file("app.res"));
    open(file("app.res"));

    platform.chosen_files = {file("copy.res")};
    command(cmd::save_as);
    ASSERT_EQ(platform.file_dialogs.size(), 1u);
    EXPECT_TRUE(platform.file_dialogs[0].save);
    EXPECT_EQ(platform.file_dialogs[0].choice.filter_index, 3);
    EXPECT_EQ(window_text(handle()), L"Tavorin - " + file("copy.res").wstring());
    platform.chosen_files = {file("copy.rc")};
    command(cmd::save_as);
    EXPECT_TRUE(std::filesystem::exists(file("copy.rc")));
    EXPECT_TRUE(std::filesystem::exists(file("resource.h")));

    const std::vector<std::wstring> before = tree_lines(tree());
    command(cmd::close_project);
    EXPECT_FALSE(window->project_open());
    EXPECT_TRUE(tree_lines(tree()).empty());
    open(file("copy.res"));
    EXPECT_EQ(tree_lines(tree()), before);
}

TEST_F(ProjectWindowTest, RewritingTheFileAsksToReloadItWithinASecond) {
    write_sample_res(file("app.res"));
    open(file("app.res"));
    const auto later = std::filesystem::last_write_time(file("app.res")) + std::chrono::seconds(5);
    std::filesystem::last_write_time(file("app.res"), later);
    platform.answers = {Answer::no};
    ASSERT_TRUE(pump_until([this] { return !platform.questions.empty(); }, 3000));
    EXPECT_EQ(platform.questions[0].text, u"The file has been modified. Do you want to reload it?");
    EXPECT_EQ(platform.questions[0].buttons, AskButtons::yes_no);
    EXPECT_EQ(platform.questions[0].icon, AskIcon::question);
    EXPECT_TRUE(window->project_open());
    pump_until([] { return false; }, 1500);
    EXPECT_EQ(platform.questions.size(), 1u) << "no second question for the same change";

    std::filesystem::last_write_time(file("app.res"), later + std::chrono::seconds(5));
    platform.answers = {Answer::yes};
    ASSERT_TRUE(pump_until([this] { return platform.questions.size() == 2; }, 3000));
    ASSERT_TRUE(pump_until([this] { return !window->loading(); }));
    EXPECT_TRUE(window->project_open());
    EXPECT_EQ(tree_lines(tree()).size(), 2u);
}

TEST_F(ProjectWindowTest, CancellingTheCloseOfAChangedProjectKeepsItAndTheProgram) {
    write_sample_res(file("app.res"));
    open(file("app.res"));
    platform.answers = {Answer::yes};  // the removal's question
    SendMessageW(tree(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(first_resource_item(tree())));
    NMTVKEYDOWN key{};
    key.hdr.hwndFrom = tree();
    key.hdr.idFrom = main_control::tree;
    key.hdr.code = TVN_KEYDOWN;
    key.wVKey = VK_DELETE;
    SendMessageW(handle(), WM_NOTIFY, main_control::tree, reinterpret_cast<LPARAM>(&key));
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, u"Do you really want to remove this resource?");
    EXPECT_EQ(tree_lines(tree()), (std::vector<std::wstring>{L"Accelerator: 100 [Neutral]"}));

    platform.answers = {Answer::cancel};
    SendMessageW(handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(handle()));
    EXPECT_TRUE(window->project_open());
    EXPECT_EQ(platform.questions.back().text, u"Do you want to save project modifications?");
    EXPECT_FALSE(std::filesystem::exists(app.paths.config_file)) << "the program did not start to quit";
}

HDROP make_drop(const std::vector<std::filesystem::path>& paths) {
    std::wstring names;
    for (const auto& path : paths) names += path.wstring() + L'\0';
    names += L'\0';
    const SIZE_T size = sizeof(DROPFILES) + names.size() * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GHND, size);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

TEST_F(ProjectWindowTest, OfThreeDroppedFilesOnlyTheFirstOpens) {
    write_sample_res(file("first.res"));
    write_sample_res(file("second.res"));
    write_sample_res(file("third.res"));
    SendMessageW(handle(), WM_DROPFILES,
                 reinterpret_cast<WPARAM>(make_drop({file("first.res"), file("second.res"), file("third.res")})), 0);
    ASSERT_TRUE(pump_until([this] { return !window->loading(); }));
    EXPECT_EQ(window->document().state().current_path, file("first.res"));
    int opened = 0;
    for (const LogEntry& entry : session.log().entries()) opened += entry.text.ends_with(u" opened") ? 1 : 0;
    EXPECT_EQ(opened, 1);
}

TEST_F(ProjectWindowTest, DoubleClickOpensTheResourcesScriptTextInATab) {
    write_sample_res(file("app.res"), true);
    open(file("app.res"));
    // The dialog opens in its designer.
    SendMessageW(tree(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(first_resource_item(tree())));
    NMHDR click{tree(), main_control::tree, static_cast<UINT>(NM_DBLCLK)};
    SendMessageW(handle(), WM_NOTIFY, main_control::tree, reinterpret_cast<LPARAM>(&click));
    ASSERT_EQ(window->editors().count(), 1u);
    ASSERT_NE(window->editors().active_editor(), nullptr);
    EXPECT_EQ(window->editors().active_editor()->resource().kind(), kind::dialog);

    // Single-tab mode (the default) gives the one tab to the next resource: the string table, in
    // its editor.
    HTREEITEM other = next_item(tree(), next_item(tree(), next_item(tree(), nullptr, TVGN_ROOT), TVGN_NEXT), TVGN_CHILD);
    SendMessageW(tree(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(other));
    SendMessageW(handle(), WM_NOTIFY, main_control::tree, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(window->editors().count(), 1u);
    EXPECT_NE(dynamic_cast<StringTableEditor*>(window->editors().active_editor()), nullptr);
}

TEST_F(ProjectWindowTest, ThePreviewsOfTheWholeProjectOpenInTabsOfTheirOwn) {
    write_sample_res(file("app.res"));
    open(file("app.res"));
    NMHDR click{tree(), main_control::tree, static_cast<UINT>(NM_DBLCLK)};
    SendMessageW(tree(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(first_resource_item(tree())));
    SendMessageW(handle(), WM_NOTIFY, main_control::tree, reinterpret_cast<LPARAM>(&click));
    command(cmd::preview_resource_script);
    const std::wstring script = window_text(window->editors().active_view());
    EXPECT_EQ(script.rfind(L"// Generated by Tavorin", 0), 0u) << script;
    EXPECT_NE(script.find(L"100 ACCELERATORS"), std::wstring::npos);
    EXPECT_NE(script.find(L"STRINGTABLE"), std::wstring::npos);
    command(cmd::preview_c_source);
    EXPECT_EQ(window->editors().count(), 3u) << "the resource's tab and the two previews";
    EXPECT_EQ(window->editors().active(), nullptr);
    command(cmd::preview_resource_script);
    EXPECT_EQ(window->editors().count(), 3u) << "a preview opened again reuses its tab";
}

TEST_F(ProjectWindowTest, WithSeveralTabsEachResourceKeepsItsOwn) {
    session.config().single_tab_mode = false;
    write_sample_res(file("app.res"));
    open(file("app.res"));
    NMHDR click{tree(), main_control::tree, static_cast<UINT>(NM_DBLCLK)};
    for (HTREEITEM branch = next_item(tree(), nullptr, TVGN_ROOT); branch; branch = next_item(tree(), branch, TVGN_NEXT)) {
        SendMessageW(tree(), TVM_SELECTITEM, TVGN_CARET,
                     reinterpret_cast<LPARAM>(next_item(tree(), branch, TVGN_CHILD)));
        SendMessageW(handle(), WM_NOTIFY, main_control::tree, reinterpret_cast<LPARAM>(&click));
    }
    EXPECT_EQ(window->editors().count(), 2u);
    EXPECT_EQ(SendMessageW(window->editors().tab_control(), TCM_GETITEMCOUNT, 0, 0), 2);
}

TEST_F(ProjectWindowTest, AddingResourcesFollowsEachKindsCreator) {
    write_sample_res(file("app.res"));
    open(file("app.res"));
    platform.answers = {Answer::yes};
    command(cmd::add_manifest);
    command(cmd::add_manifest);
    ASSERT_EQ(platform.questions.size(), 2u);
    EXPECT_EQ(platform.questions[0].text, u"Do you want Tavorin to generate a manifest.xml file for you?");
    EXPECT_TRUE(platform.file_dialogs.empty()) << "a compiled project holds the manifest in memory";
    EXPECT_EQ(platform.questions[1].text, u"Only one Manifest is allowed");
    EXPECT_EQ(platform.questions[1].caption, u"Error");
    command(cmd::add_dialog);
    const std::vector<std::wstring> lines = tree_lines(tree());
    // The string table's identifier 1 is taken, so the manifest is named 2. New resources are
    // unsaved, hence the "*".
    EXPECT_NE(std::find(lines.begin(), lines.end(), L"Manifest: 2 [Neutral]*"), lines.end())
        << ::testing::PrintToString(lines);
    EXPECT_NE(std::find(lines.begin(), lines.end(), L"Dialog: IDD_DIALOG1 [Neutral]*"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), L"Accelerator: 100 [Neutral]"), lines.end())
        << "what was read is saved";
    EXPECT_TRUE(window->document().has_unsaved_changes());
    ASSERT_NE(window->editors().active_editor(), nullptr) << "the new resource opens";
    EXPECT_EQ(window->editors().active_editor()->resource().name_text(), u"IDD_DIALOG1");
}

// The project's file decides: a compiled file saved as a script now writes manifest.xml, which
// the new manifest names; the save clears the "*".
TEST_F(ProjectWindowTest, AGeneratedManifestOfAScriptProjectIsWrittenBesideIt) {
    write_sample_res(file("app.res"));
    open(file("app.res"));
    platform.chosen_files = {file("app.rc")};
    command(cmd::save_as);
    platform.answers = {Answer::yes};
    platform.chosen_files = {file("manifest.xml")};
    command(cmd::add_manifest);
    ASSERT_EQ(platform.file_dialogs.size(), 2u);
    EXPECT_TRUE(platform.file_dialogs[1].save);
    EXPECT_TRUE(std::filesystem::exists(file("manifest.xml")));
    std::vector<std::wstring> lines = tree_lines(tree());
    EXPECT_NE(std::find(lines.begin(), lines.end(), L"Manifest: 2 [Neutral]*"), lines.end())
        << ::testing::PrintToString(lines);
    command(cmd::save);
    lines = tree_lines(tree());
    EXPECT_NE(std::find(lines.begin(), lines.end(), L"Manifest: 2 [Neutral]"), lines.end())
        << ::testing::PrintToString(lines);
    EXPECT_FALSE(std::filesystem::exists(file("manifest1.xml"))) << "the manifest was not exported again";
}

TEST_F(ProjectWindowTest, AUserDefinedResourceTakesItsTypeThenItsFile) {
    write_sample_res(file("app.res"));
    write_text(file("data.bin"), "DATA");
    open(file("app.res"));
    std::optional<CustomTypeAnswer> answer = CustomTypeAnswer{u"12AB", true};
    app.dialog_answers.custom_type = [&] { return answer; };
    command(cmd::add_user_defined);
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, u"Invalid ordinal identifier");
    EXPECT_TRUE(platform.file_dialogs.empty()) << "a refused type asks for no file";

    answer = CustomTypeAnswer{u"MYDATA", false};
    platform.chosen_files = {file("data.bin")};
    command(cmd::add_user_defined);
    ASSERT_EQ(platform.file_dialogs.size(), 1u);
    EXPECT_EQ(platform.file_dialogs[0].choice.filter, std::u16string(u"All Files (*.*)\0*.*\0\0", 21));
    const std::vector<std::wstring> lines = tree_lines(tree());
    EXPECT_NE(std::find(lines.begin(), lines.end(), L"MYDATA: IDR_MYDATA1 [Neutral]*"), lines.end())
        << ::testing::PrintToString(lines);
    EXPECT_TRUE(window->document().has_unsaved_changes());

    answer.reset();  // Cancel
    command(cmd::add_user_defined);
    EXPECT_EQ(platform.file_dialogs.size(), 1u);
    EXPECT_EQ(tree_lines(tree()), lines);
}

TEST_F(ProjectWindowTest, TheCustomResourceDialogOffersKnownTypesAndKeepsAnInvalidOrdinal) {
    session.custom_types().kind_for(u"MYDATA");
    std::wstring caption;
    LRESULT offered = 0;
    bool kept_open = false;
    PopupWatcher::arm(
        handle(),
        [&](HWND dialog) {
            caption = window_text(dialog);
            HWND type = GetDlgItem(dialog, custom_resource_control::type);
            offered = SendMessageW(type, CB_GETCOUNT, 0, 0);
            SetWindowTextW(type, L"12AB");
            CheckRadioButton(dialog, custom_resource_control::ordinal, custom_resource_control::name,
                             custom_resource_control::ordinal);
            SendMessageW(dialog, WM_COMMAND, IDOK, 0);
            kept_open = IsWindow(dialog) && platform.questions.size() == 1;
            SetWindowTextW(type, L"300");
            SendMessageW(dialog, WM_COMMAND, IDOK, 0);
        },
        false);
    const std::optional<CustomTypeAnswer> answer = ask_custom_type(app, handle());
    EXPECT_EQ(caption, L"Custom Resource");
    EXPECT_EQ(offered, 1);
    EXPECT_TRUE(kept_open);
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, u"Invalid ordinal identifier");
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answer->text, u"300");
    EXPECT_TRUE(answer->ordinal);
}

// A resource's view counts the messages that tell it the clipboard changed.
struct ClipboardCounter {
    static inline WNDPROC original = nullptr;
    static inline int changes = 0;
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
        if (message == app_message::clipboard_changed) ++changes;
        return CallWindowProcW(original, window, message, wparam, lparam);
    }
};

TEST_F(ProjectWindowTest, TheActiveEditorHearsOfEveryClipboardChange) {
    write_sample_res(file("app.res"));
    open(file("app.res"));
    SendMessageW(tree(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(first_resource_item(tree())));
    NMHDR click{tree(), main_control::tree, static_cast<UINT>(NM_DBLCLK)};
    SendMessageW(handle(), WM_NOTIFY, main_control::tree, reinterpret_cast<LPARAM>(&click));
    HWND view = window->editors().active_view();
    ASSERT_NE(view, nullptr);
    ClipboardCounter::changes = 0;
    ClipboardCounter::original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(view, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ClipboardCounter::procedure)));
    pump_until([] { return false; }, 200);
    ClipboardCounter::changes = 0;

    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 4 * sizeof(wchar_t));
    wcscpy(static_cast<wchar_t*>(GlobalLock(memory)), L"abc");
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    EXPECT_TRUE(pump_until([] { return ClipboardCounter::changes > 0; }, 3000));
    SetWindowLongPtrW(view, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ClipboardCounter::original));
}

TEST_F(ProjectWindowTest, ViewCommandsHideAndShowThePanelsAndTheLayoutKeepsThem) {
    const auto shown = [](HWND child) { return (GetWindowLongPtrW(child, GWL_STYLE) & WS_VISIBLE) != 0; };
    EXPECT_TRUE(shown(tree()));
    command(cmd::show_resource_tree);
    EXPECT_FALSE(window->panels().tree_visible);
    EXPECT_FALSE(GetMenuState(window->menu_bar(), cmd::show_resource_tree, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(shown(tree()));
    command(cmd::show_properties);
    EXPECT_FALSE(window->panels().properties_visible);
    EXPECT_FALSE(shown(window->properties().grid_window()));
    command(cmd::show_properties);
    EXPECT_TRUE(window->panels().properties_visible);
    command(cmd::quit);

    const auto layout = read_layout(app.paths.layout_file);
    ASSERT_TRUE(layout);
    const PanelLayout panels = panel_layout_from_bytes(layout->panels);
    EXPECT_FALSE(panels.tree_visible);
    EXPECT_TRUE(panels.properties_visible);

    MainWindow again(app);
    ASSERT_TRUE(again.create());
    EXPECT_FALSE(again.panels().tree_visible);
    EXPECT_TRUE(GetMenuState(again.menu_bar(), cmd::show_properties, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(ProjectWindowTest, ALoadThatLogsAWarningOpensTheMessagesWindow) {
    write_sample_res(file("app.res"));
    std::vector<std::uint8_t> bytes = *read_file_bytes(file("app.res"));
    const std::uint8_t bad_bitmap[] = {4, 0, 0, 0, 32, 0, 0, 0, 0xFF, 0xFF, 2, 0, 0xFF, 0xFF, 7, 0,
                                       0, 0, 0, 0, 0x30, 0x10, 9, 4, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4};
    bytes.insert(bytes.end(), std::begin(bad_bitmap), std::end(bad_bitmap));
    ASSERT_TRUE(write_file_atomically(file("warned.res"), bytes).ok());

    std::wstring title;
    PopupWatcher::arm(handle(), [&](HWND popup) { title = window_text(popup); });
    open(file("warned.res"));
    ASSERT_TRUE(pump_until([] { return PopupWatcher::seen == 1; }, 5000));
    EXPECT_EQ(title, L"Messages");
}

TEST_F(ProjectWindowTest, AScriptOpensWithItsNamesFromTheHeader) {
    write_text(file("resource.h"), "#define IDR_KEYS 100\r\n#define IDM_GO 200\r\n");
    write_text(file("app.rc"),
               "#include \"resource.h\"\r\nLANGUAGE 9, 1\r\nIDR_KEYS ACCELERATORS\r\nBEGIN\r\n  \"G\", IDM_GO, VIRTKEY\r\nEND\r\n"
               "STRINGTABLE\r\nBEGIN\r\n  IDM_GO \"Go\"\r\nEND\r\n");
    open(file("app.rc"));
    EXPECT_TRUE(window->project_open());
    EXPECT_EQ(tree_lines(tree()), (std::vector<std::wstring>{L"String Table: [English (United States)]",
                                                              L"Accelerator: IDR_KEYS [English (United States)]"}));
}

TEST_F(ProjectWindowTest, AScriptThatFailsShowsTheParseErrorDialogAndLeavesNoProject) {
    write_text(file("broken.rc"), "1 ACCELERATORS\r\nBEGIN\r\n  \"A\", 100\r\n");
    std::wstring report;
    std::wstring shown_file;
    PopupWatcher::arm(handle(), [&](HWND popup) {
        report = window_text(GetDlgItem(popup, parse_error_control::report));
        shown_file = window_text(GetDlgItem(popup, parse_error_control::file_view));
    });
    open(file("broken.rc"));
    ASSERT_TRUE(pump_until([] { return PopupWatcher::seen == 1; }, 5000));
    EXPECT_EQ(report.rfind(L"Error in file: ", 0), 0u) << report;
    EXPECT_NE(report.find(L"broken.rc.\r\nLine 4: END or } expected."), std::wstring::npos) << report;
    EXPECT_EQ(shown_file, L"1 ACCELERATORS\r\nBEGIN\r\n  \"A\", 100\r\n");
    EXPECT_FALSE(window->project_open());
    EXPECT_TRUE(IsWindowEnabled(handle()));
}

TEST_F(ProjectWindowTest, TheParseErrorDialogShowsTheReportAboveTheFileWithTheLineSelected) {
    const ParseErrorReport report{u"Error in file: C:\\app.rc.\r\nLine 2: END or } expected.",
                                  u"first line\nsecond line\nthird line", 2};
    HWND dialog = open_parse_error_dialog(app, nullptr, report);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(window_text(dialog), L"Tavorin");
    EXPECT_EQ(window_text(GetDlgItem(dialog, parse_error_control::report)),
              L"Error in file: C:\\app.rc.\r\nLine 2: END or } expected.");
    HWND view = GetDlgItem(dialog, parse_error_control::file_view);
    EXPECT_EQ(window_text(view), L"first line\r\nsecond line\r\nthird line");
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(view, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 12u);
    EXPECT_EQ(end, 25u);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(view, WM_GETFONT, 0, 0)), sizeof(font), &font);
    EXPECT_STREQ(font.lfFaceName, L"Courier New");
    EXPECT_EQ(window_text(GetDlgItem(dialog, IDOK)), L"OK");
    SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_FALSE(IsWindow(dialog));
}

}  // namespace
}  // namespace tavorin::testing
