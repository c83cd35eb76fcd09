// The accelerator editor in the main window, driven by key strokes, clicks and the clipboard:
// the list and its columns, a key changed by pressing it, cells edited in place, rows set in the
// property grid, rows copied into another table, each change undone and redone with the list and
// the grid in step, and the result saved as a script.

#include "platform/win32/windows_api.h"
#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "app/win32/app_messages.h"
#include "app/win32/main_window.h"
#include "base/file_io.h"
#include "platform/win32/wide_text.h"
#include "resources/accelerator/accelerator_table.h"
#include "resources/accelerator/win32/accelerator_editor.h"
#include "app/win32/main_window_test_support.h"

namespace tavorin::testing {
namespace {

using Editor = AcceleratorResourceEditor;

class AcceleratorEditorTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        previous_folder = std::filesystem::current_path();
        write_text(folder / "resource.h",
                   "#define IDR_KEYS 1\r\n#define IDR_OTHER 2\r\n#define IDM_OPEN 100\r\n#define IDM_SAVE 101\r\n");
        write_text(folder / "app.rc",
                   "#include \"resource.h\"\r\n"
                   "LANGUAGE 9, 1\r\n"
                   "IDR_KEYS ACCELERATORS\r\n{\r\n"
                   "    \"O\", IDM_OPEN, VIRTKEY, CONTROL\r\n"
                   "    VK_F2, IDM_SAVE, VIRTKEY, NOINVERT\r\n}\r\n"
                   "IDR_OTHER ACCELERATORS\r\n{\r\n"
                   "    \"x\", IDM_OPEN, ASCII\r\n}\r\n");
        window.emplace(app);
        ASSERT_TRUE(window->create());
        // Shown, so that the focus moves as it does for the user.
        ShowWindow(window->handle(), SW_SHOWNORMAL);
        window->open_file(folder / "app.rc");
        ASSERT_TRUE(pump_until([this] { return !window->loading(); }));
        ASSERT_TRUE(window->project_open());
    }
    void TearDown() override {
        window.reset();
        std::filesystem::current_path(previous_folder);
    }

    void command(cmd::Id id) { SendMessageW(window->handle(), WM_COMMAND, static_cast<WPARAM>(id), 0); }
    AcceleratorTable& table(std::u16string_view name) {
        for (const auto& resource : session.project().resources()) {
            if (resource->name_text() == name) return dynamic_cast<AcceleratorTable&>(*resource);
        }
        throw std::runtime_error("no such table");
    }
    Editor* open(std::u16string_view name) { return dynamic_cast<Editor*>(open_in_tree(*window, name)); }
    // The text the list control shows, as the user reads it.
    static std::wstring shown(HWND list, int row, int column) {
        wchar_t text[128] = {};
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = 128;
        SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        return text;
    }
    // A click on a row's cell of the list: the button's release is queued first, as the list
    // view waits for it to tell a click from a drag.
    static void click_row(HWND list, int row, bool twice = false, int column = 0) {
        RECT cell{};
        cell.top = column;
        cell.left = LVIR_BOUNDS;
        SendMessageW(list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
        const LPARAM at = MAKELPARAM(cell.left + 5, (cell.top + cell.bottom) / 2);
        PostMessageW(list, WM_LBUTTONUP, 0, at);
        SendMessageW(list, twice ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, MK_LBUTTON, at);
        pump_until([] { return true; });
        drain_messages();
    }
    std::u16string undo_menu_text() {
        wchar_t text[128] = {};
        GetMenuStringW(window->menu_bar(), cmd::undo, text, 128, MF_BYCOMMAND);
        return from_wide(text);
    }
    std::string file_text(const char* name) {
        const auto bytes = read_file_bytes(folder / name);
        return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
    }

    std::filesystem::path previous_folder;
    std::optional<MainWindow> window;
};

TEST_F(AcceleratorEditorTest, ListShowsTheFourColumnsAndEveryRow) {
    Editor* editor = open(u"IDR_KEYS");
    ASSERT_NE(editor, nullptr);
    HWND list = editor->list();
    const wchar_t* titles[] = {L"ID", L"Key Modifier", L"Key", L"Type"};
    const int widths[] = {150, 100, 100, 100};
    for (int column = 0; column < 4; ++column) {
        wchar_t title[64] = {};
        LVCOLUMNW info{};
        info.mask = LVCF_TEXT | LVCF_WIDTH;
        info.pszText = title;
        info.cchTextMax = 64;
        ASSERT_TRUE(SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info)));
        EXPECT_STREQ(title, titles[column]);
        EXPECT_EQ(info.cx, widths[column]);
    }
    ASSERT_EQ(ListView_GetItemCount(list), 2);
    EXPECT_EQ(shown(list, 0, 0), L"IDM_OPEN");
    EXPECT_EQ(shown(list, 0, 1), L"Ctrl");
    EXPECT_EQ(shown(list, 0, 2), L"O");
    EXPECT_EQ(shown(list, 0, 3), L"Virtual Key");
    EXPECT_EQ(shown(list, 1, 2), L"VK_F2");

    // The grid shows the clicked row, NOINVERT included.
    click_row(list, 1);
    EXPECT_EQ(editor->selected_rows(), std::vector<std::size_t>{1});
    const auto rows = editor->properties();
    ASSERT_EQ(rows.size(), 9u);
    EXPECT_EQ(rows[8].name, u"NoInvert");
    EXPECT_EQ(rows[8].value, u"True");
    EXPECT_EQ(rows[7].value, u"IDM_SAVE");
    EXPECT_EQ(rows[1].help, u"Causes the accelerator to be activated only if the ALT key is down.");
    const auto& grid_rows = window->properties().grid().model().rows();
    ASSERT_GE(grid_rows.size(), 9u);
    EXPECT_EQ(grid_rows.back().value, u"True") << "the grid holds the editor's rows";
}

TEST_F(AcceleratorEditorTest, PressedKeyReplacesTheKeyAndUndoRedoKeepTheListInStep) {
    Editor* editor = open(u"IDR_KEYS");
    ASSERT_NE(editor, nullptr);
    HWND list = editor->list();
    click_row(list, 0);
    SetFocus(list);
    SendMessageW(list, WM_KEYDOWN, VK_RETURN, 0);  // Enter waits for a key
    ASSERT_TRUE(editor->capturing());
    EXPECT_EQ(GetFocus(), editor->window());
    {
        HeldKeys held{VK_CONTROL, VK_SHIFT};
        // The shell leaves Ctrl+Z to the editor while it waits: no undo happens.
        const std::size_t steps = window->undo_history().size();
        SendMessageW(window->handle(), app_message::key_down, 'Z', 0);
        EXPECT_EQ(window->undo_history().size(), steps);
        SendMessageW(editor->window(), WM_KEYDOWN, VK_CONTROL, 0);
        EXPECT_TRUE(editor->capturing()) << "a modifier alone is no key";
        SendMessageW(editor->window(), WM_KEYDOWN, VK_F5, 0);
    }
    EXPECT_FALSE(editor->capturing());
    const AcceleratorEntry& entry = table(u"IDR_KEYS").entry(0);
    EXPECT_EQ(entry.key, AcceleratorKey::named(u"VK_F5", 0x74));
    EXPECT_TRUE(entry.control && entry.shift && !entry.alt);
    EXPECT_EQ(shown(list, 0, 1), L"Ctrl + Shift");
    EXPECT_EQ(shown(list, 0, 2), L"VK_F5");
    EXPECT_EQ(undo_menu_text(), u"Undo Set Virtual Key\tCtrl+Z");
    pause_for_screenshot(window->handle(), "accelerator-editor");

    command(cmd::undo);
    EXPECT_EQ(table(u"IDR_KEYS").entry(0).key, AcceleratorKey::letter(u'O'));
    EXPECT_EQ(shown(list, 0, 2), L"O");
    EXPECT_EQ(shown(list, 0, 1), L"Ctrl");
    EXPECT_EQ(window->properties().grid().model().rows().back().value, u"False") << "the grid follows the undo";
    command(cmd::redo);
    EXPECT_EQ(shown(list, 0, 2), L"VK_F5");

    // Escape gives up waiting without a change.
    const std::size_t steps = window->undo_history().size();
    SendMessageW(list, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageW(editor->window(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(editor->capturing());
    EXPECT_EQ(window->undo_history().size(), steps);
}

TEST_F(AcceleratorEditorTest, CellsEditedInPlaceAndInTheGrid) {
    Editor* editor = open(u"IDR_KEYS");
    ASSERT_NE(editor, nullptr);
    HWND list = editor->list();

    click_row(list, 1, true, Editor::id_column);
    HWND cell = editor->cell_editor();
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(window_text(cell), L"IDM_SAVE");
    SetWindowTextW(cell, L"IDM_SAVE_ALL");
    SendMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(editor->cell_editor(), nullptr);
    EXPECT_EQ(table(u"IDR_KEYS").entry(1).identifier, u"IDM_SAVE_ALL");
    EXPECT_EQ(shown(list, 1, 0), L"IDM_SAVE_ALL");
    EXPECT_EQ(undo_menu_text(), u"Undo Accelerator ID\tCtrl+Z");

    // A virtual key's cell offers the key names.
    editor->begin_edit(1, Editor::key_column);
    cell = editor->cell_editor();
    ASSERT_NE(cell, nullptr);
    EXPECT_GT(SendMessageW(cell, CB_GETCOUNT, 0, 0), 150);
    SetWindowTextW(cell, L"VK_F3");
    SendMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(table(u"IDR_KEYS").entry(1).key, AcceleratorKey::named(u"VK_F3", 0x72));
    EXPECT_EQ(undo_menu_text(), u"Undo Set Virtual Key\tCtrl+Z");

    // The modifier cell's list: the fourth choice is Alt + Ctrl.
    editor->begin_edit(1, Editor::modifier_column);
    cell = editor->cell_editor();
    ASSERT_NE(cell, nullptr);
    SendMessageW(cell, CB_SETCURSEL, 3, 0);
    SendMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(shown(list, 1, 1), L"Alt + Ctrl");

    // Escape leaves the cell as it was.
    editor->begin_edit(1, Editor::id_column);
    SetWindowTextW(editor->cell_editor(), L"IGNORED");
    SendMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(table(u"IDR_KEYS").entry(1).identifier, u"IDM_SAVE_ALL");

    // The type in the grid: ASCII clears Ctrl, and the NOINVERT flag stays.
    PropertyGrid& grid = window->properties().grid();
    const auto type_row = grid.model().rows().size() - 9 + 5;
    SetFocus(grid.handle());
    grid.select(type_row);
    grid.open_drop_down();
    ASSERT_NE(grid.drop_list(), nullptr);
    SendMessageW(grid.drop_list(), LB_SETCURSEL, 0, 0);
    SendMessageW(grid.drop_list(), WM_KEYDOWN, VK_RETURN, 0);
    const AcceleratorEntry& entry = table(u"IDR_KEYS").entry(1);
    EXPECT_FALSE(entry.key.is_virtual());
    EXPECT_TRUE(entry.alt && !entry.control);
    EXPECT_TRUE(entry.noinvert);
    EXPECT_EQ(shown(list, 1, 3), L"ASCII");
    EXPECT_EQ(undo_menu_text(), u"Undo Key\tCtrl+Z");

    // Each step undone in turn brings the list back.
    for (int i = 0; i < 4; ++i) command(cmd::undo);
    EXPECT_EQ(shown(list, 1, 0), L"IDM_SAVE");
    EXPECT_EQ(shown(list, 1, 1), L"");
    EXPECT_EQ(shown(list, 1, 2), L"VK_F2");
    EXPECT_EQ(shown(list, 1, 3), L"Virtual Key");

    command(cmd::save);
    EXPECT_NE(file_text("app.rc").find("VK_F2,         IDM_SAVE, VIRTKEY, NOINVERT"), std::string::npos)
        << file_text("app.rc");
}

TEST_F(AcceleratorEditorTest, RowsTravelThroughTheClipboardToAnotherTable) {
    Editor* editor = open(u"IDR_KEYS");
    ASSERT_NE(editor, nullptr);
    SetFocus(editor->list());
    command(cmd::select_all);
    EXPECT_EQ(editor->selected_rows(), (std::vector<std::size_t>{0, 1}));
    command(cmd::copy);
    const UINT format = RegisterClipboardFormatW(L"Tavorin_Accelerator");
    EXPECT_TRUE(IsClipboardFormatAvailable(format));

    Editor* other = open(u"IDR_OTHER");
    ASSERT_NE(other, nullptr);
    SetFocus(other->list());
    EXPECT_TRUE(other->commands().paste);
    command(cmd::paste);
    AcceleratorTable& pasted = table(u"IDR_OTHER");
    ASSERT_EQ(pasted.size(), 3u);
    EXPECT_EQ(pasted.entry(1).identifier, u"IDM_OPEN1");
    EXPECT_EQ(pasted.entry(2).identifier, u"IDM_SAVE1");
    EXPECT_TRUE(pasted.entry(2).noinvert);
    EXPECT_EQ(shown(other->list(), 2, 0), L"IDM_SAVE1");
    EXPECT_EQ(other->selected_rows(), (std::vector<std::size_t>{1, 2}));
    EXPECT_EQ(undo_menu_text(), u"Undo Paste\tCtrl+Z");
    command(cmd::undo);
    EXPECT_EQ(ListView_GetItemCount(other->list()), 1);

    // The context menu adds a row; Delete takes it away again.
    const UniqueMenu menu = other->context_menu();
    wchar_t first[64] = {};
    GetMenuStringW(menu.get(), 0, first, 64, MF_BYPOSITION);
    EXPECT_STREQ(first, L"Add new accelerator");
    other->run_context_command(Editor::add_command);
    ASSERT_EQ(pasted.size(), 2u);
    EXPECT_EQ(pasted.entry(1).identifier, u"ID_ACCELERATOR1");
    EXPECT_EQ(shown(other->list(), 1, 2), L"a");
    EXPECT_EQ(undo_menu_text(), u"Undo Insert Accelerator\tCtrl+Z");
    SendMessageW(other->list(), WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ(pasted.size(), 1u);
    EXPECT_EQ(undo_menu_text(), u"Undo Delete item\tCtrl+Z");
}

}  // namespace
}  // namespace tavorin::testing
