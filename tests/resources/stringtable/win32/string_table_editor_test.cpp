// The string table editor in the main window, driven by mouse and keyboard messages: rows
// selected, copied and pasted into the table of another language, cells edited in place, the
// context menu, find and replace, undo and redo keeping the list and the grid in step, and a
// table of 30,000 strings.

#include "platform/win32/windows_api.h"
#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "app/win32/main_window.h"
#include "base/text.h"
#include "../../../app/win32/gui_test_support.h"
#include "platform/win32/wide_text.h"
#include "resources/stringtable/string_table.h"
#include "resources/stringtable/win32/string_table_editor.h"

namespace tavorin::testing {
namespace {

class StringTableEditorTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        write_text(folder / "resource.h",
                   "#define IDS_ONE 101\r\n#define IDS_TWO 102\r\n#define IDS_THREE 103\r\n");
        write_text(folder / "app.rc",
                   "#include \"resource.h\"\r\n"
                   "LANGUAGE 9, 1\r\n"
                   "STRINGTABLE\r\n{\r\n    IDS_ONE \"One\"\r\n    IDS_TWO \"Two\"\r\n    IDS_THREE \"Three\"\r\n}\r\n"
                   "LANGUAGE 7, 1\r\n"
                   "STRINGTABLE\r\n{\r\n    IDS_ONE \"Eins\"\r\n}\r\n");
        window.emplace(app);
        ASSERT_TRUE(window->create());
        SetWindowPos(window->handle(), nullptr, 20, 20, 1150, 800, SWP_NOZORDER | SWP_NOACTIVATE);
        ShowWindow(window->handle(), SW_SHOWNA);
        window->open_file(folder / "app.rc");
        ASSERT_TRUE(pump_until([this] { return !window->loading(); }));
        ASSERT_TRUE(window->project_open());
    }
    void TearDown() override { window.reset(); }

    StringTable& table(std::uint16_t language) {
        return *dynamic_cast<StringTable*>(session.project().string_table(language));
    }
    // Opens a resource as a double click on its tree item does.
    StringTableEditor* open(Resource& resource) {
        HWND tree = window->tree().handle();
        std::vector<HTREEITEM> items{next_item(tree, nullptr, TVGN_ROOT)};
        while (!items.empty()) {
            HTREEITEM item = items.back();
            items.pop_back();
            if (item == nullptr) continue;
            items.push_back(next_item(tree, item, TVGN_NEXT));
            items.push_back(next_item(tree, item, TVGN_CHILD));
            SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
            if (window->tree().selected() != &resource) continue;
            NMHDR click{tree, main_control::tree, static_cast<UINT>(NM_DBLCLK)};
            SendMessageW(window->handle(), WM_NOTIFY, main_control::tree, reinterpret_cast<LPARAM>(&click));
            auto* editor = dynamic_cast<StringTableEditor*>(window->editors().active_editor());
            if (editor != nullptr) SetFocus(editor->list());
            return editor;
        }
        return nullptr;
    }
    void command(cmd::Id id) { SendMessageW(window->handle(), WM_COMMAND, static_cast<WPARAM>(id), 0); }

    static std::u16string cell(HWND list, int row, int column) {
        wchar_t text[256] = {};
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = 256;
        SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        return from_wide(text);
    }
    static int row_count(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }
    static POINT cell_point(HWND list, int row, int column) {
        RECT rect{};
        rect.top = column;
        rect.left = LVIR_BOUNDS;
        SendMessageW(list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
        return POINT{rect.left + 8, (rect.top + rect.bottom) / 2};
    }
    static void click(HWND list, POINT at, WPARAM keys = 0) {
        SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON | keys, MAKELPARAM(at.x, at.y));
        SendMessageW(list, WM_LBUTTONUP, keys, MAKELPARAM(at.x, at.y));
    }
    std::wstring status() {
        wchar_t text[128] = {};
        SendMessageW(window->status_line(), SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text));
        return text;
    }
    std::vector<std::u16string> grid_names() {
        std::vector<std::u16string> names;
        for (const PropertyRow& row : window->properties().grid().model().rows()) names.push_back(row.name);
        return names;
    }
    const PropertyRow* grid_row(std::u16string_view name) {
        for (const PropertyRow& row : window->properties().grid().model().rows()) {
            if (row.name == name) return &row;
        }
        return nullptr;
    }
    static std::wstring clipboard_text() {
        std::wstring text;
        if (!OpenClipboard(nullptr)) return text;
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            text = static_cast<const wchar_t*>(GlobalLock(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
        return text;
    }
    static void put_text_on_clipboard(const std::wstring& text) {
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
        std::memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
    }

    std::optional<MainWindow> window;
};

TEST_F(StringTableEditorTest, RowsCopiedAndPastedIntoAnotherLanguageGetNewNamesAndUndoInStep) {
    // The script is written whole here, in the writer's own columns.
    session.config().keep_scripts = false;
    StringTableEditor* english = open(table(0x409));
    ASSERT_NE(english, nullptr);
    HWND list = english->list();
    ASSERT_EQ(row_count(list), 3);
    EXPECT_EQ(cell(list, 1, 0), u"IDS_TWO");
    EXPECT_EQ(cell(list, 1, 1), u"Two");

    // One row clicked: the grid shows its String and ID; a shift click selects all three.
    click(list, cell_point(list, 0, 1));
    EXPECT_EQ(status(), L"1 item(s) selected");
    ASSERT_NE(grid_row(u"String"), nullptr);
    EXPECT_EQ(grid_row(u"String")->value, u"One");
    EXPECT_EQ(grid_row(u"String")->help, u"Specifies the string content.");
    EXPECT_EQ(grid_row(u"ID")->value, u"IDS_ONE");
    EXPECT_NE(grid_row(u"Misc"), nullptr);
    click(list, cell_point(list, 2, 1), MK_SHIFT);
    EXPECT_EQ(english->selected_rows(), (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_EQ(status(), L"3 item(s) selected");
    EXPECT_EQ(grid_row(u"String"), nullptr) << "only one selected row shows its properties";

    command(cmd::copy);
    EXPECT_EQ(clipboard_text(), L"IDS_ONE\tOne\r\nIDS_TWO\tTwo\r\nIDS_THREE\tThree\r\n");
    EXPECT_TRUE(IsClipboardFormatAvailable(app.clipboard.string_table));

    StringTableEditor* german = open(table(0x407));
    ASSERT_NE(german, nullptr);
    HWND german_list = german->list();
    ASSERT_EQ(row_count(german_list), 1);
    command(cmd::paste);
    ASSERT_EQ(row_count(german_list), 4);
    EXPECT_EQ(cell(german_list, 1, 0), u"IDS_ONE1");
    EXPECT_EQ(cell(german_list, 2, 0), u"IDS_TWO1");
    EXPECT_EQ(cell(german_list, 3, 0), u"IDS_THREE1");
    EXPECT_EQ(cell(german_list, 3, 1), u"Three");
    EXPECT_EQ(session.symbols().value_of(u"IDS_ONE1"), 40000);
    EXPECT_EQ(session.symbols().value_of(u"IDS_THREE1"), 40002);
    EXPECT_EQ(german->selected_rows(), (std::vector<std::size_t>{1, 2, 3})) << "the pasted rows are selected";
    wait_for_screenshot(window->handle(), "string-table");
    EXPECT_EQ(window->undo_history().undo_names().front(), u"Paste");

    command(cmd::undo);
    EXPECT_EQ(row_count(german_list), 1) << "the list follows the undo";
    EXPECT_EQ(table(0x407).size(), 1u);
    EXPECT_FALSE(session.symbols().has_symbol(u"IDS_ONE1"));
    command(cmd::redo);
    EXPECT_EQ(row_count(german_list), 4);
    EXPECT_EQ(cell(german_list, 2, 0), u"IDS_TWO1");

    // Saved as a script, the pasted rows are German strings of the new names.
    platform.chosen_files = {folder / "saved.rc"};
    command(cmd::save_as);
    const auto saved = read_file_bytes(folder / "saved.rc");
    ASSERT_TRUE(saved.ok());
    const std::string script(saved->begin(), saved->end());
    const std::size_t german_part = script.find("LANGUAGE 7,");
    ASSERT_NE(german_part, std::string::npos) << script;
    const std::size_t english_part = script.find("LANGUAGE 9,");
    ASSERT_NE(english_part, std::string::npos) << script;
    const std::string german_text = script.substr(german_part, english_part > german_part ? english_part - german_part
                                                                                    : std::string::npos);
    EXPECT_NE(german_text.find("IDS_THREE1                    \"Three\""), std::string::npos) << script;
}

TEST_F(StringTableEditorTest, CellsAreEditedInPlaceAndTheGridFollowsUndo) {
    StringTableEditor* editor = open(table(0x409));
    ASSERT_NE(editor, nullptr);
    HWND list = editor->list();
    click(list, cell_point(list, 1, 1));
    const POINT text_cell = cell_point(list, 1, 1);
    SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(text_cell.x, text_cell.y));
    SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(text_cell.x, text_cell.y));
    HWND edit = editor->cell_editor();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(window_text(edit), L"Two");
    SetWindowTextW(edit, L"Zwei\\n");
    SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(editor->cell_editor(), nullptr);
    EXPECT_EQ(table(0x409).entry(1).text, u"Zwei\\n");
    EXPECT_EQ(cell(list, 1, 1), u"Zwei\\n");
    EXPECT_EQ(grid_row(u"String")->value, u"Zwei\\n");
    EXPECT_EQ(window->undo_history().undo_names().front(), u"Item text");

    // F2 edits the identifier; a name with a space is refused with its message.
    SendMessageW(list, WM_KEYDOWN, VK_F2, 0);
    ASSERT_NE(editor->cell_editor(), nullptr);
    EXPECT_EQ(window_text(editor->cell_editor()), L"IDS_TWO");
    SetWindowTextW(editor->cell_editor(), L"IDS BAD");
    SendMessageW(editor->cell_editor(), WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_FALSE(platform.questions.empty());
    EXPECT_EQ(platform.questions.back().text, u"Invalid ID.");
    EXPECT_EQ(table(0x409).entry(1).identifier, u"IDS_TWO");
    // Escape leaves the cell as it was.
    SendMessageW(list, WM_KEYDOWN, VK_F2, 0);
    SetWindowTextW(editor->cell_editor(), L"IDS_OTHER");
    SendMessageW(editor->cell_editor(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(table(0x409).entry(1).identifier, u"IDS_TWO");
    SendMessageW(list, WM_KEYDOWN, VK_F2, 0);
    SetWindowTextW(editor->cell_editor(), L"IDS_DEUX");
    SendMessageW(editor->cell_editor(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(cell(list, 1, 0), u"IDS_DEUX");
    EXPECT_EQ(grid_row(u"ID")->value, u"IDS_DEUX");
    EXPECT_EQ(window->undo_history().undo_names().front(), u"Item ID");

    command(cmd::undo);
    EXPECT_EQ(cell(list, 1, 0), u"IDS_TWO");
    EXPECT_EQ(grid_row(u"ID")->value, u"IDS_TWO") << "the grid follows the undo";
    command(cmd::undo);
    EXPECT_EQ(cell(list, 1, 1), u"Two");
    EXPECT_EQ(grid_row(u"String")->value, u"Two");
    command(cmd::redo);
    EXPECT_EQ(grid_row(u"String")->value, u"Zwei\\n");

    // The grid's own String row edits the row too.
    PropertyGrid& grid = window->properties().grid();
    const auto& rows = grid.model().rows();
    std::size_t string_index = 0;
    while (string_index < rows.size() && rows[string_index].name != u"String") ++string_index;
    ASSERT_LT(string_index, rows.size());
    grid.select(string_index);
    SetWindowTextW(grid.edit_box(), L"Two again");
    SendMessageW(grid.edit_box(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(cell(list, 1, 1), u"Two again");
}

TEST_F(StringTableEditorTest, ContextMenuDeleteKeyAndPlainTextPaste) {
    StringTableEditor* editor = open(table(0x409));
    ASSERT_NE(editor, nullptr);
    HWND list = editor->list();

    // Nothing selected: only paste (text is on the clipboard) and "Add new string" are enabled.
    ASSERT_NO_FATAL_FAILURE(put_text_on_clipboard(L"IDS_SHEET\tFrom a sheet\r\nloose line\r\n"));
    HMENU menu = editor->build_context_menu();
    ASSERT_EQ(GetMenuItemCount(menu), 6);
    wchar_t label[64] = {};
    GetMenuStringW(menu, 5, label, 64, MF_BYPOSITION);
    EXPECT_EQ(std::wstring(label), L"Add new string");
    EXPECT_TRUE(GetMenuState(menu, StringTableEditor::menu_copy, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(menu, StringTableEditor::menu_paste, MF_BYCOMMAND) & MF_GRAYED);
    DestroyMenu(menu);

    editor->run_menu_command(StringTableEditor::menu_add);
    editor->run_menu_command(StringTableEditor::menu_add);
    ASSERT_EQ(row_count(list), 5);
    EXPECT_EQ(cell(list, 3, 0), u"IDS_STRING1");
    EXPECT_EQ(cell(list, 4, 0), u"IDS_STRING2");
    EXPECT_EQ(cell(list, 4, 1), u"Sample text");
    EXPECT_EQ(window->undo_history().undo_names().front(), u"Insert String");

    editor->run_menu_command(StringTableEditor::menu_paste);
    ASSERT_EQ(row_count(list), 7);
    EXPECT_EQ(cell(list, 5, 0), u"IDS_SHEET1");
    EXPECT_EQ(cell(list, 5, 1), u"From a sheet");
    EXPECT_EQ(cell(list, 6, 0), u"IDS_STRING3");
    EXPECT_EQ(cell(list, 6, 1), u"loose line");

    editor->select_rows({0, 2});
    SendMessageW(list, WM_KEYDOWN, VK_DELETE, 0);
    ASSERT_EQ(row_count(list), 5);
    EXPECT_EQ(cell(list, 0, 0), u"IDS_TWO");
    EXPECT_EQ(window->undo_history().undo_names().front(), u"Delete item");
    command(cmd::undo);
    ASSERT_EQ(row_count(list), 7);
    EXPECT_EQ(cell(list, 2, 0), u"IDS_THREE");

    // Cut is a delete that copies first.
    editor->select_rows({1});
    editor->run_menu_command(StringTableEditor::menu_cut);
    EXPECT_EQ(clipboard_text(), L"IDS_TWO\tTwo\r\n");
    EXPECT_EQ(row_count(list), 6);
    EXPECT_EQ(window->undo_history().undo_names().front(), u"Delete item");
}

TEST_F(StringTableEditorTest, FindAndReplaceRunOverTheStrings) {
    StringTableEditor* editor = open(table(0x409));
    ASSERT_NE(editor, nullptr);
    HWND list = editor->list();
    {
        HeldKeys control{VK_CONTROL};
        SendMessageW(list, WM_KEYDOWN, 'F', 0);
    }
    HWND find = editor->find_dialog();
    ASSERT_NE(find, nullptr);
    SetDlgItemTextW(find, edt1, L"t");
    SendMessageW(find, WM_COMMAND, IDOK, 0);
    wait_for_screenshot(window->handle(), "find");
    EXPECT_EQ(editor->selected_rows(), std::vector<std::size_t>{1}) << "Two holds a t (any case)";
    SendMessageW(find, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(editor->selected_rows(), std::vector<std::size_t>{2});
    SendMessageW(find, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(editor->selected_rows(), std::vector<std::size_t>{1}) << "the search wraps around";
    SetDlgItemTextW(find, edt1, L"absent");
    SendMessageW(find, WM_COMMAND, IDOK, 0);
    ASSERT_FALSE(platform.questions.empty());
    EXPECT_EQ(platform.questions.back().text, u"Cannot find \"absent\".");

    {
        HeldKeys control{VK_CONTROL};
        SendMessageW(list, WM_KEYDOWN, 'H', 0);
    }
    HWND replace = editor->find_dialog();
    ASSERT_NE(replace, nullptr);
    EXPECT_NE(GetDlgItem(replace, edt2), nullptr) << "Ctrl+H opens the replace dialog";
    SetDlgItemTextW(replace, edt1, L"e");
    SetDlgItemTextW(replace, edt2, L"E");
    SendMessageW(replace, WM_COMMAND, psh2, 0);  // Replace All
    EXPECT_EQ(cell(list, 0, 1), u"OnE");
    EXPECT_EQ(cell(list, 2, 1), u"ThrEE");
    EXPECT_EQ(platform.questions.back().text, u"3 occurrence(s) replaced.");
    EXPECT_EQ(window->undo_history().undo_names().front(), u"Replace All");
    command(cmd::undo);
    EXPECT_EQ(cell(list, 2, 1), u"Three");

    // Replace: the found row's first occurrence, then on to the next row.
    editor->select_rows({0});
    SetDlgItemTextW(replace, edt1, L"n");
    SetDlgItemTextW(replace, edt2, L"N");
    SendMessageW(replace, WM_COMMAND, psh1, 0);
    EXPECT_EQ(cell(list, 0, 1), u"ONe");
    SendMessageW(replace, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(pump_until([editor] { return editor->find_dialog() == nullptr; }, 2000));
}

// A table of 30,000 strings opens in the virtual list and scrolls to its end; the time it took
// goes to the test's output.
TEST_F(StringTableEditorTest, ThirtyThousandStringsOpenAndScroll) {
    StringTable& big = table(0x409);
    for (int i = 0; i < 30000; ++i) {
        big.add_entry(decimal(1000 + i), u"String number " + decimal(i) + u" of a long table");
    }
    const auto start = std::chrono::steady_clock::now();
    StringTableEditor* editor = open(big);
    ASSERT_NE(editor, nullptr);
    UpdateWindow(window->handle());
    const auto opened = std::chrono::steady_clock::now();
    HWND list = editor->list();
    ASSERT_EQ(row_count(list), 30003);
    SendMessageW(list, WM_KEYDOWN, VK_END, 0);
    SendMessageW(list, WM_KEYUP, VK_END, 0);
    UpdateWindow(list);
    const auto scrolled = std::chrono::steady_clock::now();
    const LRESULT top = SendMessageW(list, LVM_GETTOPINDEX, 0, 0);
    EXPECT_GT(top, 29000) << "the view reached the end";
    EXPECT_EQ(cell(list, 30002, 1), u"String number 29999 of a long table");
    const auto ms = [](auto from, auto to) {
        return static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(to - from).count());
    };
    std::printf("30,003 strings: editor open %lld ms, scroll to the end %lld ms\n", ms(start, opened),
                ms(opened, scrolled));
    editor->execute(EditorCommand::select_all);
    EXPECT_EQ(status(), L"30003 item(s) selected");
}

}  // namespace
}  // namespace tavorin::testing
