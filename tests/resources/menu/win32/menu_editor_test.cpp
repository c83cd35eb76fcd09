// The menu editor in the main window, driven by clicks and key strokes: a popup with two items
// typed into the "Type here" boxes, items moved and deleted with the keys, properties set in the
// grid, the live preview's real menu, find and replace in the captions; every change undone and
// redone with the drawing and the grid in step, and the result saved as a script.

#include "platform/win32/windows_api.h"
#include <commctrl.h>
#include <commdlg.h>

#include <cwchar>
#include <optional>
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "app/win32/main_window.h"
#include "app/win32/main_window_test_support.h"
#include "base/file_io.h"
#include "platform/win32/wide_text.h"
#include "resources/menu/menu.h"
#include "resources/menu/win32/menu_editor.h"

namespace tavorin::testing {
namespace {

class MenuEditorTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        previous_folder = std::filesystem::current_path();
        write_text(folder / "resource.h", "#define IDR_MAINMENU 1\r\n#define IDM_OPEN 100\r\n#define IDM_EXIT 101\r\n");
        write_text(folder / "app.rc",
                   "#include \"resource.h\"\r\n"
                   "LANGUAGE 9, 1\r\n"
                   "IDR_MAINMENU MENU\r\n{\r\n"
                   "    POPUP \"&File\"\r\n    {\r\n"
                   "        MENUITEM \"&Open\\tCtrl+O\", IDM_OPEN\r\n"
                   "        MENUITEM SEPARATOR\r\n"
                   "        MENUITEM \"E&xit\", IDM_EXIT\r\n"
                   "    }\r\n}\r\n");
        window.emplace(app);
        ASSERT_TRUE(window->create());
        // Shown, so that the focus moves as it does for the user.
        ShowWindow(window->handle(), SW_SHOWNORMAL);
        window->open_file(folder / "app.rc");
        ASSERT_TRUE(pump_until([this] { return !window->loading(); }));
        ASSERT_TRUE(window->project_open());
        editor = open(u"IDR_MAINMENU");
        ASSERT_NE(editor, nullptr);
        // A size for the editor, as the shown main window gives it.
        MoveWindow(editor->window(), 0, 0, 700, 400, TRUE);
    }
    void TearDown() override {
        window.reset();
        std::filesystem::current_path(previous_folder);
    }

    void command(cmd::Id id) { SendMessageW(window->handle(), WM_COMMAND, static_cast<WPARAM>(id), 0); }
    Menu& menu() {
        for (const auto& resource : session.project().resources()) {
            if (auto* found = dynamic_cast<Menu*>(resource.get())) return *found;
        }
        throw std::runtime_error("no menu");
    }
    MenuResourceEditor* open(std::u16string_view name) {
        return dynamic_cast<MenuResourceEditor*>(open_in_tree(*window, name));
    }
    // A click in the middle of the box drawn for a path.
    void click(const MenuPath& path, bool twice = false) {
        const MenuBox* box = menu_box_of(editor->layout(), path);
        ASSERT_NE(box, nullptr);
        const LPARAM at = MAKELPARAM((box->rect.left + box->rect.right) / 2, (box->rect.top + box->rect.bottom) / 2);
        SendMessageW(editor->window(), twice ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(editor->window(), WM_LBUTTONUP, 0, at);
    }
    // Types as a user does: the keys go to the window that has the focus.
    void type(std::wstring_view text) {
        for (wchar_t c : text) SendMessageW(GetFocus(), WM_CHAR, c, 0);
        SendMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
    }
    void key(WPARAM code) { SendMessageW(GetFocus(), WM_KEYDOWN, code, 0); }
    std::u16string undo_menu_text() {
        wchar_t text[128] = {};
        GetMenuStringW(window->menu_bar(), cmd::undo, text, 128, MF_BYCOMMAND);
        return from_wide(text);
    }
    std::u16string grid_value(std::u16string_view name) {
        for (const PropertyRow& row : window->properties().grid().model().rows()) {
            if (row.name == name) return row.value;
        }
        return u"(none)";
    }
    std::string file_text(const char* name) {
        const auto bytes = read_file_bytes(folder / name);
        return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
    }

    std::filesystem::path previous_folder;
    std::optional<MainWindow> window;
    MenuResourceEditor* editor = nullptr;
};

TEST_F(MenuEditorTest, PopupWithTwoItemsTypedIntoThePlaceholdersUndoneAndRedone) {
    // The bar: File, then its "Type here" box; File's list is open under it.
    ASSERT_EQ(editor->selection(), MenuPath{0});
    EXPECT_TRUE(menu_box_of(editor->layout(), {1})->placeholder);
    EXPECT_TRUE(menu_box_of(editor->layout(), {0, 3})->placeholder);
    EXPECT_EQ(editor->layout().lists.size(), 1u);

    click({1});
    EXPECT_EQ(editor->selection(), MenuPath{1});
    SetFocus(editor->window());
    type(L"&Tools");
    ASSERT_EQ(menu().items().size(), 2u);
    EXPECT_TRUE(menu().item({1}).is_popup());
    EXPECT_EQ(editor->selection(), (MenuPath{1, 0})) << "typing goes on in the new popup's list";
    type(L"Options\\tCtrl+P");
    type(L"About");
    const Menu& typed = menu();
    ASSERT_EQ(typed.item({1}).submenu.size(), 2u);
    EXPECT_EQ(typed.item({1, 0}).text, u"Options");
    EXPECT_EQ(typed.item({1, 0}).shortcut, u"Ctrl+P");
    EXPECT_EQ(typed.item({1, 0}).identifier, u"IDM_OPTIONS1");
    EXPECT_EQ(typed.item({1, 1}).identifier, u"IDM_ABOUT1");
    EXPECT_EQ(editor->selection(), (MenuPath{1, 2}));
    pause_for_screenshot(window->handle(), "menu-editor");
    EXPECT_EQ(window->undo_history().undo_names(),
              (std::vector<std::u16string>{u"Insert Item", u"Insert Item", u"Insert Item"}));

    for (int i = 0; i < 3; ++i) command(cmd::undo);
    EXPECT_EQ(menu().items().size(), 1u);
    EXPECT_EQ(menu_box_of(editor->layout(), {1, 0}), nullptr) << "the drawing follows the undo";
    for (int i = 0; i < 3; ++i) command(cmd::redo);
    ASSERT_EQ(menu().item({1}).submenu.size(), 2u);

    command(cmd::save);
    const std::string script = file_text("app.rc");
    EXPECT_NE(script.find("POPUP \"&Tools\""), std::string::npos) << script;
    EXPECT_NE(script.find("MENUITEM \"Options\\tCtrl+P\", IDM_OPTIONS1"), std::string::npos) << script;
    EXPECT_NE(file_text("resource.h").find("IDM_ABOUT1"), std::string::npos);
}

TEST_F(MenuEditorTest, KeysSelectMoveInsertAndDeleteItems) {
    SetFocus(editor->window());
    key(VK_RIGHT);
    EXPECT_EQ(editor->selection(), (MenuPath{0, 0}));
    key(VK_UP);
    EXPECT_EQ(editor->selection(), (MenuPath{0, 3})) << "wraps to the placeholder";
    key(VK_HOME);
    EXPECT_EQ(editor->selection(), (MenuPath{0, 0}));
    key(VK_END);
    EXPECT_EQ(editor->selection(), (MenuPath{0, 2}));
    {
        HeldKeys control{VK_CONTROL};
        key(VK_UP);
    }
    EXPECT_EQ(menu().item({0, 1}).text, u"E&xit");
    EXPECT_EQ(editor->selection(), (MenuPath{0, 1}));
    EXPECT_EQ(undo_menu_text(), u"Undo Move Item\tCtrl+Z");

    key(VK_INSERT);
    ASSERT_NE(editor->caption_editor(), nullptr);
    type(L"Close");
    EXPECT_EQ(menu().item({0, 1}).text, u"Close");
    EXPECT_EQ(menu().item({0, 2}).text, u"E&xit");

    key(VK_DELETE);
    EXPECT_EQ(menu().item({0, 1}).text, u"E&xit");
    EXPECT_EQ(undo_menu_text(), u"Undo Delete Item\tCtrl+Z");

    // A double click edits a caption in place; Escape leaves it.
    click({0, 0}, true);
    ASSERT_NE(editor->caption_editor(), nullptr);
    EXPECT_EQ(window_text(editor->caption_editor()), L"&Open\\tCtrl+O");
    SendMessageW(editor->caption_editor(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(editor->caption_editor(), nullptr);
    EXPECT_EQ(menu().item({0, 0}).text, u"&Open");

    command(cmd::undo);
    command(cmd::undo);
    command(cmd::undo);
    EXPECT_EQ(menu().item({0, 1}).text, u"");
    EXPECT_EQ(menu().item({0, 2}).text, u"E&xit");
}

TEST_F(MenuEditorTest, GridPropertiesPreviewAndFormSwitch) {
    click({0, 0});
    EXPECT_EQ(grid_value(u"Caption"), u"&Open");
    EXPECT_EQ(grid_value(u"Shortcut"), u"Ctrl+O");
    EXPECT_EQ(grid_value(u"ID"), u"IDM_OPEN");
    EXPECT_EQ(grid_value(u"Break"), u"None");
    EXPECT_EQ(grid_value(u"Extended (MENUEX)"), u"False");

    // Checked through the grid's drop-down list.
    PropertyGrid& grid = window->properties().grid();
    std::size_t checked = 0;
    while (grid.model().rows()[checked].name != u"Checked") ++checked;
    SetFocus(grid.handle());
    grid.select(checked);
    grid.open_drop_down();
    ASSERT_NE(grid.drop_list(), nullptr);
    SendMessageW(grid.drop_list(), LB_SETCURSEL, 1, 0);
    SendMessageW(grid.drop_list(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(menu().item({0, 0}).has(menu_flag::checked));
    EXPECT_EQ(grid_value(u"Checked"), u"True");
    EXPECT_EQ(undo_menu_text(), u"Undo Check Menu Item\tCtrl+Z");

    // The preview is the real menu: the bar, the submenu, the check mark.
    editor->property_button(2);
    HWND preview = editor->preview_window();
    ASSERT_NE(preview, nullptr);
    HMENU bar = GetMenu(preview);
    ASSERT_EQ(GetMenuItemCount(bar), 1);
    wchar_t caption[64] = {};
    GetMenuStringW(bar, 0, caption, 64, MF_BYPOSITION);
    EXPECT_STREQ(caption, L"&File");
    HMENU file = GetSubMenu(bar, 0);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(GetMenuItemCount(file), 3);
    EXPECT_TRUE(GetMenuState(file, 0, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(file, 1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(GetMenuItemID(file, 2), 101u);
    GetMenuStringW(file, 0, caption, 64, MF_BYPOSITION);
    EXPECT_STREQ(caption, L"&Open\tCtrl+O");
    pause_for_screenshot(preview, "menu-preview");

    command(cmd::undo);
    EXPECT_EQ(grid_value(u"Checked"), u"False");
    EXPECT_FALSE(GetMenuState(GetSubMenu(GetMenu(preview), 0), 0, MF_BYPOSITION) & MF_CHECKED)
        << "the preview follows the undo";

    // Default switches to MENUEX; the switch row turns it back, each one undo step.
    editor->set_property(7, {}, 1);
    EXPECT_TRUE(menu().extended());
    EXPECT_EQ(grid_value(u"Extended (MENUEX)"), u"True");
    editor->set_property(1, {}, 0);
    EXPECT_FALSE(menu().extended());
    EXPECT_EQ(undo_menu_text(), u"Undo Set Menu Form\tCtrl+Z");
    command(cmd::undo);
    EXPECT_TRUE(menu().extended());
    command(cmd::save);
    EXPECT_NE(file_text("app.rc").find("IDR_MAINMENU MENUEX"), std::string::npos) << file_text("app.rc");
    EXPECT_NE(file_text("app.rc").find("MFS_DEFAULT"), std::string::npos);
    DestroyWindow(preview);
}

TEST_F(MenuEditorTest, FindAndReplaceInTheCaptions) {
    SetFocus(editor->window());
    {
        HeldKeys control{VK_CONTROL};
        key('F');
    }
    ASSERT_NE(editor->find_dialog(), nullptr);
    EXPECT_TRUE(IsWindow(editor->find_dialog()));

    // What the dialog sends to its owner on "Find Next" and "Replace All".
    const UINT message = RegisterWindowMessageW(FINDMSGSTRINGW);
    wchar_t what[64] = L"XIT";
    wchar_t with[64] = L"Quit";
    FINDREPLACEW request{};
    request.lStructSize = sizeof(request);
    request.Flags = FR_FINDNEXT | FR_DOWN;
    request.lpstrFindWhat = what;
    request.lpstrReplaceWith = with;
    SendMessageW(editor->window(), message, 0, reinterpret_cast<LPARAM>(&request));
    EXPECT_EQ(editor->selection(), (MenuPath{0, 2}));

    click({0, 0});
    request.Flags = FR_MATCHCASE | FR_FINDNEXT;
    SendMessageW(editor->window(), message, 0, reinterpret_cast<LPARAM>(&request));
    EXPECT_EQ(editor->selection(), (MenuPath{0, 0})) << "no caption holds it in this case";
    ASSERT_FALSE(platform.questions.empty());
    EXPECT_EQ(platform.questions.back().text, u"Cannot find \"XIT\".");

    wcscpy(what, L"&O");
    request.Flags = FR_REPLACEALL;
    SendMessageW(editor->window(), message, 0, reinterpret_cast<LPARAM>(&request));
    EXPECT_EQ(menu().item({0, 0}).text, u"Quitpen");
    EXPECT_EQ(menu().item({0, 0}).shortcut, u"Ctrl+O");
    EXPECT_EQ(undo_menu_text(), u"Undo Replace\tCtrl+Z");
    command(cmd::undo);
    EXPECT_EQ(menu().item({0, 0}).text, u"&Open");

    HWND dialog = editor->find_dialog();
    request.Flags = FR_DIALOGTERM;
    SendMessageW(editor->window(), message, 0, reinterpret_cast<LPARAM>(&request));
    EXPECT_EQ(editor->find_dialog(), nullptr);
    DestroyWindow(dialog);
}

}  // namespace
}  // namespace tavorin::testing
