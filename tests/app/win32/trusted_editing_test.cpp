// Editing the sample as a user would, where work used to be lost or land in the wrong place: text
// typed into a cell, a caption or a value without Enter is saved, asked about at Quit and kept
// over tab switches; the Properties panel follows the active editor; removing a resource keeps
// the other editors' steps; a resolution change with two editors in single-tab mode; Ctrl+O with
// no window holding the focus; the ICON control and the Menu property of the designer.

#include "platform/win32/windows_api.h"
#include <commctrl.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "app/win32/app_messages.h"
#include "app/win32/main_window.h"
#include "app/win32/message_loop.h"
#include "base/text.h"
#include "base/text_file.h"
#include "dialog/dialog.h"
#include "dialog/win32/dialog_designer.h"
#include "main_window_test_support.h"
#include "resources/menu/menu.h"
#include "resources/menu/win32/menu_editor.h"
#include "resources/stringtable/string_table.h"
#include "resources/stringtable/win32/string_table_editor.h"
#include "resources/version/version_info.h"
#include "resources/version/win32/version_editor.h"

namespace tavorin::testing {
namespace {

class TrustedEditingTest : public SampleProjectTest {
protected:
    Resource* named(std::u16string_view name) {
        for (const auto& resource : session.project().resources()) {
            if (resource->name_text() == name) return resource.get();
        }
        ADD_FAILURE() << "no resource of that name";
        return nullptr;
    }
    StringTable& english_strings() { return *dynamic_cast<StringTable*>(session.project().string_table(0x409)); }
    VersionInfo* version() {
        for (const auto& resource : session.project().resources()) {
            if (auto* found = dynamic_cast<VersionInfo*>(resource.get())) return found;
        }
        return nullptr;
    }
    std::u16string saved_script() {
        const auto text = read_text_file(folder / "sample" / "sample.rc",
                                         [](std::string_view bytes) { return std::u16string(bytes.begin(), bytes.end()); });
        return text ? text->text : std::u16string();
    }
    bool title_marks_changes() { return window_text(window->handle()).find(L" *") != std::wstring::npos; }
    // The main grid's row of that name, among the rows shown now.
    std::optional<std::size_t> grid_row(std::u16string_view name) {
        const auto& rows = window->properties().grid().model().rows();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].name == name) return i;
        }
        return std::nullopt;
    }
    void type_into_grid(std::u16string_view row_name, const wchar_t* text) {
        const auto row = grid_row(row_name);
        ASSERT_TRUE(row);
        PropertyGrid& grid = window->properties().grid();
        grid.select(*row);
        SetWindowTextW(grid.edit_box(), text);
        SendMessageW(grid.edit_box(), WM_KEYDOWN, VK_RETURN, 0);
    }
    // Shows the page at `index` as a click on its tab does.
    void click_tab(int index) {
        HWND tabs = window->editors().tab_control();
        SendMessageW(tabs, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
        NMHDR change{tabs, 0, static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageW(window->handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
    }
    int tab_of(std::wstring_view title_start) {
        HWND tabs = window->editors().tab_control();
        const int count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            wchar_t text[128] = {};
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = text;
            item.cchTextMax = 128;
            SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
            if (std::wstring_view(text).starts_with(title_start)) return i;
        }
        ADD_FAILURE() << "no such tab";
        return -1;
    }
    // Selects the resource's tree item, as a single click does.
    void select_in_tree(const Resource& resource) {
        HWND tree = window->tree().handle();
        std::vector<HTREEITEM> items{next_item(tree, nullptr, TVGN_ROOT)};
        while (!items.empty()) {
            HTREEITEM item = items.back();
            items.pop_back();
            if (item == nullptr) continue;
            items.push_back(next_item(tree, item, TVGN_NEXT));
            items.push_back(next_item(tree, item, TVGN_CHILD));
            SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
            if (window->tree().selected() == &resource) return;
        }
        ADD_FAILURE() << "no tree item for the resource";
    }
    void remove_in_tree(const Resource& resource) {
        ASSERT_NE(open(resource), nullptr);
        platform.answers = {Answer::yes};
        NMTVKEYDOWN key{};
        key.hdr.hwndFrom = window->tree().handle();
        key.hdr.idFrom = main_control::tree;
        key.hdr.code = TVN_KEYDOWN;
        key.wVKey = VK_DELETE;
        SendMessageW(window->handle(), WM_NOTIFY, main_control::tree, reinterpret_cast<LPARAM>(&key));
    }
};

TEST_F(TrustedEditingTest, ACellTypedWithoutEnterIsSavedAndAskedAboutAtQuit) {
    auto* strings = dynamic_cast<StringTableEditor*>(open(english_strings()));
    ASSERT_NE(strings, nullptr);
    strings->edit_cell(1, StringTableEditor::string_column);
    ASSERT_NE(strings->cell_editor(), nullptr);
    SetWindowTextW(strings->cell_editor(), L"Typed without Enter");
    command(cmd::save);
    EXPECT_NE(saved_script().find(u"\"Typed without Enter\""), std::u16string::npos) << text_to_utf8(saved_script());
    EXPECT_FALSE(title_marks_changes());

    strings->edit_cell(1, StringTableEditor::string_column);
    ASSERT_NE(strings->cell_editor(), nullptr);
    SetWindowTextW(strings->cell_editor(), L"Pending at Quit");
    const std::size_t asked = platform.questions.size();
    platform.answers = {Answer::cancel};
    command(cmd::quit);
    ASSERT_EQ(platform.questions.size(), asked + 1) << "Quit asks about the typed text";
    EXPECT_EQ(platform.questions.back().text, u"Do you want to save project modifications?");
    EXPECT_TRUE(IsWindow(window->handle()));
    EXPECT_EQ(english_strings().entry(1).text, u"Pending at Quit");
}

TEST_F(TrustedEditingTest, ACaptionAndAVersionValueTypedWithoutEnterSurviveTabSwitchesAndClose) {
    session.config().single_tab_mode = false;
    auto* menu_editor = dynamic_cast<MenuResourceEditor*>(open(*named(u"IDR_MAINMENU")));
    ASSERT_NE(menu_editor, nullptr);
    menu_editor->select({0});
    menu_editor->begin_edit(u"&Typed");
    ASSERT_NE(menu_editor->caption_editor(), nullptr);
    ASSERT_NE(version(), nullptr);
    auto* version_editor = dynamic_cast<VersionEditor*>(open(*version()));
    ASSERT_NE(version_editor, nullptr);
    auto& menu = *dynamic_cast<Menu*>(named(u"IDR_MAINMENU"));
    EXPECT_EQ(menu.items()[0].text, u"&Typed") << "the caption went in when its tab was left";

    const auto company = version_editor->row_of(VersionEditor::RowTarget::Kind::value, 0, u"CompanyName");
    ASSERT_TRUE(company);
    version_editor->grid().select(*company);
    SetWindowTextW(version_editor->grid().edit_box(), L"Typed Company");
    click_tab(tab_of(L"IDR_MAINMENU"));
    EXPECT_EQ(version()->blocks()[0].strings[0].value, u"Typed Company");

    // Typed again and left pending: closing the project saves it when the user says so.
    menu_editor->begin_edit(u"&Pending");
    platform.answers = {Answer::yes};
    command(cmd::close_project);
    EXPECT_FALSE(window->project_open());
    const std::u16string script = saved_script();
    EXPECT_NE(script.find(u"\"&Pending\""), std::u16string::npos) << text_to_utf8(script);
    EXPECT_NE(script.find(u"\"Typed Company\""), std::u16string::npos);
}

TEST_F(TrustedEditingTest, ThePropertiesPanelFollowsTheActiveEditorThroughEveryStep) {
    session.config().single_tab_mode = false;
    Resource* about = named(u"IDD_ABOUT");
    Resource* menu_resource = named(u"IDR_MAINMENU");
    auto* designer = dynamic_cast<DialogDesigner*>(open(*about));
    ASSERT_NE(designer, nullptr);
    ASSERT_NE(open(*menu_resource), nullptr);
    command(cmd::preview_resource_script);
    EXPECT_EQ(window->properties_resource(), nullptr) << "a script page shows no editor's rows";

    click_tab(tab_of(L"IDD_ABOUT"));
    EXPECT_EQ(window->properties_resource(), about);
    // The tree shows the menu's rows; a click in the dialog brings the dialog's back.
    select_in_tree(*menu_resource);
    EXPECT_EQ(window->properties_resource(), menu_resource);
    auto& dialog = *dynamic_cast<Dialog*>(about);
    Control& ok = *dialog.controls()[5];
    designer->select({ok.unique_key()});
    EXPECT_EQ(window->properties_resource(), about);
    ASSERT_NO_FATAL_FAILURE(type_into_grid(u"Caption", L"XYZ"));
    EXPECT_EQ(ok.text(), u"XYZ");
    EXPECT_EQ(dynamic_cast<Menu*>(menu_resource)->items()[0].text, u"&File");

    command(cmd::undo);
    EXPECT_EQ(ok.text(), u"OK");
    EXPECT_EQ(window->properties_resource(), about);
    command(cmd::redo);
    EXPECT_EQ(window->properties_resource(), about);
    SetFocus(designer->canvas());
    designer->select({ok.unique_key()});
    command(cmd::copy);
    command(cmd::paste);
    EXPECT_EQ(window->properties_resource(), about);
    command(cmd::delete_selection);
    EXPECT_EQ(window->properties_resource(), about);
    ASSERT_NO_FATAL_FAILURE(type_into_grid(u"Caption", L"Dialog caption"));
    EXPECT_EQ(dialog.caption(), u"Dialog caption");
    EXPECT_EQ(dynamic_cast<Menu*>(menu_resource)->items()[0].text, u"&File");
}

TEST_F(TrustedEditingTest, RemovingAResourceKeepsTheStepsOfTheOthers) {
    auto* strings = dynamic_cast<StringTableEditor*>(open(english_strings()));
    ASSERT_NE(strings, nullptr);
    strings->add_new_string();
    auto* context = dynamic_cast<MenuResourceEditor*>(open(*named(u"IDR_CONTEXT")));
    ASSERT_NE(context, nullptr);
    context->select({0, 0});
    context->execute(EditorCommand::clear);
    ASSERT_EQ(window->undo_history().undo_names().size(), 2u);

    remove_in_tree(*named(u"IDR_CONTEXT"));
    EXPECT_EQ(window->undo_history().undo_names(), (std::vector<std::u16string>{u"Insert String"}));
    const std::size_t rows = english_strings().size();
    ASSERT_NE(open(english_strings()), nullptr);
    command(cmd::undo);
    EXPECT_EQ(english_strings().size(), rows - 1);
    command(cmd::redo);
    EXPECT_EQ(english_strings().size(), rows);
}

TEST_F(TrustedEditingTest, AResolutionChangeWithTwoEditorsInSingleTabModeReopensTheActiveOne) {
    session.config().single_tab_mode = false;
    ASSERT_NE(open(*named(u"IDD_ABOUT")), nullptr);
    auto* strings = dynamic_cast<StringTableEditor*>(open(english_strings()));
    ASSERT_NE(strings, nullptr);
    strings->edit_cell(0, StringTableEditor::string_column);
    SetWindowTextW(strings->cell_editor(), L"Typed before the change");
    session.config().single_tab_mode = true;  // switched in the preferences with two tabs open
    RECT suggested{30, 40, 30 + 1000, 40 + 700};
    SendMessageW(window->handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    ResourceEditor* active = window->editors().active_editor();
    ASSERT_NE(active, nullptr);
    EXPECT_EQ(&active->resource(), static_cast<Resource*>(&english_strings()));
    EXPECT_EQ(english_strings().entry(0).text, u"Typed before the change");
    SendMessageW(window->handle(), WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_NE(window->editors().active_editor(), nullptr);
}

TEST_F(TrustedEditingTest, CtrlOWorksWithNoProjectAndNoWindowHoldingTheFocus) {
    command(cmd::close_project);
    ASSERT_FALSE(window->project_open());
    SetFocus(nullptr);  // as a closed message box may leave it
    keybd_event(VK_CONTROL, 0, 0, 0);
    pump_until([] { return false; }, 50);
    const bool control_seen = (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0;
    const std::size_t dialogs = platform.file_dialogs.size();
    // With no focus the system reports every key to the active window as a system key.
    MSG key{window->handle(), WM_SYSKEYDOWN, 'O', 1, 0, {}};
    process_message(app, window->handle(), key);
    keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
    if (!control_seen) GTEST_SKIP() << "this display does not report injected key states";
    EXPECT_EQ(platform.file_dialogs.size(), dialogs + 1) << "Ctrl+O asked for a file to open";
}

// What Test Dialog showed in its ICON control, seen from a timer that then closes it.
LRESULT test_dialog_icon = 0;
LONG test_dialog_icon_width = 0;

void CALLBACK look_at_test_dialog(HWND, UINT, UINT_PTR id, DWORD) {
    HWND running = DialogDesigner::running_test();
    if (running == nullptr) return;
    KillTimer(nullptr, id);
    for (HWND child = GetWindow(running, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t window_class[32] = {};
        GetClassNameW(child, window_class, 32);
        if (lstrcmpiW(window_class, L"Static") != 0 || (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) {
            continue;
        }
        test_dialog_icon = SendMessageW(child, STM_GETICON, 0, 0);
        RECT box{};
        GetClientRect(child, &box);
        test_dialog_icon_width = box.right;
    }
    PostMessageW(running, WM_COMMAND, IDOK, 0);
}

TEST_F(TrustedEditingTest, TheIconControlShowsTheProjectsIcon) {
    auto* designer = dynamic_cast<DialogDesigner*>(open(*named(u"IDD_ABOUT")));
    ASSERT_NE(designer, nullptr);
    const Control& icon = *dynamic_cast<Dialog*>(named(u"IDD_ABOUT"))->controls()[0];
    HWND preview = designer->preview_of(icon.unique_key());
    ASSERT_NE(preview, nullptr);
    EXPECT_NE(SendMessageW(preview, STM_GETICON, 0, 0), 0);
    // The sample's ICON statement gives no size: the control takes the icon's.
    RECT box{};
    GetClientRect(preview, &box);
    EXPECT_GT(box.right, 0);
    EXPECT_GT(box.bottom, 0);

    SetTimer(nullptr, 0, 50, look_at_test_dialog);
    designer->run_test_dialog();
    EXPECT_NE(test_dialog_icon, 0) << "Test Dialog shows it too";
    EXPECT_GT(test_dialog_icon_width, 0);
}

TEST_F(TrustedEditingTest, TheDialogsMenuIsChosenFromTheProjectsMenus) {
    auto* designer = dynamic_cast<DialogDesigner*>(open(*named(u"IDD_ABOUT")));
    ASSERT_NE(designer, nullptr);
    auto& dialog = *dynamic_cast<Dialog*>(named(u"IDD_ABOUT"));
    const auto row = grid_row(u"Menu");
    ASSERT_TRUE(row);
    const PropertyRow& menu_row = window->properties().grid().model().rows()[*row];
    EXPECT_EQ(menu_row.choices, (std::vector<std::u16string>{u"", u"IDR_CONTEXT", u"IDR_MAINMENU"}));

    ASSERT_NO_FATAL_FAILURE(type_into_grid(u"Menu", L"IDD_SETTINGS"));
    EXPECT_EQ(platform.questions.back().text, u"MENU Statement in Dialog resources does not refer to a Menu Resource.");
    EXPECT_EQ(dialog.menu(), u"");
    ASSERT_NO_FATAL_FAILURE(type_into_grid(u"Menu", L"idr_context"));
    EXPECT_EQ(dialog.menu(), u"IDR_CONTEXT");
    window->properties().grid().callbacks.choice_picked(*grid_row(u"Menu"), 2, u"IDR_MAINMENU");
    EXPECT_EQ(dialog.menu(), u"IDR_MAINMENU");
}

}  // namespace
}  // namespace tavorin::testing
