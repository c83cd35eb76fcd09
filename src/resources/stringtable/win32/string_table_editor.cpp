#include "resources/stringtable/win32/string_table_editor.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cstring>

#include "base/text.h"
#include "model/workspace.h"
#include "platform/win32/bound_window.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_class.h"
#include "resources/stringtable/string_clipboard.h"
#include "resources/stringtable/string_search.h"

namespace tavorin {

namespace {

constexpr UINT_PTR list_subclass = 1;
constexpr UINT_PTR cell_subclass = 2;
constexpr int list_id = 100;

// The rows this editor adds to the grid when one row is selected.
enum Row : std::size_t { category_row, string_row, id_row };

bool register_page_class(HINSTANCE instance) {
    return register_window_class(instance, {StringTableEditor::class_name, StringTableEditor::procedure});
}

std::u16string window_text(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return from_wide(text);
}

bool key_held(int key) { return (GetKeyState(key) & 0x8000) != 0; }

void insert_column(HWND list, int index, const std::u16string& title, int width) {
    std::wstring text = wide(title);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = text.data();
    column.cx = width;
    column.iSubItem = index;
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

void set_item_state(HWND list, int item, UINT state, UINT mask) {
    LVITEMW change{};
    change.stateMask = mask;
    change.state = state;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&change));
}

// Puts bytes on the open clipboard in a format; false when the system refused.
bool put_on_clipboard(UINT format, const void* data, std::size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (memory == nullptr) return false;
    void* target = GlobalLock(memory);
    if (target == nullptr) {
        GlobalFree(memory);
        return false;
    }
    std::memcpy(target, data, size);
    GlobalUnlock(memory);
    if (SetClipboardData(format, memory) == nullptr) {
        GlobalFree(memory);
        return false;
    }
    return true;  // the clipboard owns the memory now
}

std::vector<std::uint8_t> clipboard_bytes(UINT format) {
    std::vector<std::uint8_t> bytes;
    HANDLE data = GetClipboardData(format);
    if (data == nullptr) return bytes;
    const void* source = GlobalLock(data);
    if (source == nullptr) return bytes;
    const auto* first = static_cast<const std::uint8_t*>(source);
    bytes.assign(first, first + GlobalSize(data));
    GlobalUnlock(data);
    return bytes;
}

}  // namespace

StringTableEditor::StringTableEditor(StringTable& table, Workspace& workspace, EditorSite& site, HFONT font,
                                     UINT clipboard_format)
    : table_(table),
      workspace_(workspace),
      site_(site),
      // The undo of a row change reaches the list through the site, which outlives the editor.
      editing_(table, workspace, site.history(table),
               [&site, &table](std::size_t row) { site.content_changed(table, row); }),
      font_(font),
      clipboard_format_(clipboard_format) {}

StringTableEditor::~StringTableEditor() {
    // A cell still open when the page goes keeps what was typed into it.
    try {
        commit_cell();
    } catch (...) {
        // Nothing may leave a destructor; the model keeps its old text.
    }
    if (list_ != nullptr) RemoveWindowSubclass(list_, list_procedure, list_subclass);
    if (cell_edit_ != nullptr) RemoveWindowSubclass(cell_edit_, cell_procedure, cell_subclass);
}

LRESULT CALLBACK StringTableEditor::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    return bound_window_procedure<StringTableEditor>(window, message, wparam, lparam);
}

std::unique_ptr<StringTableEditor> StringTableEditor::create(StringTable& table, Workspace& workspace,
                                                             EditorSite& site, HWND area, HINSTANCE instance,
                                                             HFONT font, UINT clipboard_format) {
    if (!register_page_class(instance)) return nullptr;
    std::unique_ptr<StringTableEditor> editor(new StringTableEditor(table, workspace, site, font, clipboard_format));
    if (CreateWindowExW(0, class_name, nullptr, WS_CHILD | WS_CLIPCHILDREN, 0, 0, 0, 0, area, nullptr, instance,
                        editor.get()) == nullptr) {
        return nullptr;
    }
    if (!editor->create_list(instance)) return nullptr;
    return editor;
}

bool StringTableEditor::create_list(HINSTANCE instance) {
    list_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, nullptr,
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS,
                            0, 0, 0, 0, page_.get(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(list_id)), instance,
                            nullptr);
    if (list_ == nullptr) return false;
    SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES,
                 LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    insert_column(list_, id_column, text(str::column_id), 150);
    insert_column(list_, string_column, text(str::column_string), 400);
    SetWindowSubclass(list_, list_procedure, list_subclass, reinterpret_cast<DWORD_PTR>(this));
    show_rows(table_.size());
    return true;
}

std::u16string StringTableEditor::text(std::uint32_t id) const { return workspace_.text(id); }

LRESULT StringTableEditor::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
    if (find_box_.is_box_message(message)) {
        if (const auto request = find_box_.take(lparam)) on_find_request(*request);
        return 0;
    }
    switch (message) {
        case WM_SIZE:
            if (list_ != nullptr) MoveWindow(list_, 0, 0, LOWORD(lparam), HIWORD(lparam), TRUE);
            return 0;
        case WM_NOTIFY:
            return on_notify(*reinterpret_cast<const NMHDR*>(lparam));
        case WM_CONTEXTMENU:
            on_context_menu(lparam);
            return 0;
        case WM_SETFOCUS:
            if (list_ != nullptr) SetFocus(list_);
            return 0;
        default:
            return DefWindowProcW(page_.get(), message, wparam, lparam);
    }
}

LRESULT StringTableEditor::on_notify(const NMHDR& header) {
    if (header.hwndFrom != list_) return 0;
    switch (header.code) {
        case LVN_GETDISPINFOW: {
            auto& info = const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header));
            if ((info.item.mask & LVIF_TEXT) == 0 || info.item.iItem < 0) return 0;
            const auto row = static_cast<std::size_t>(info.item.iItem);
            if (row >= table_.size()) return 0;
            const StringEntry& entry = table_.entry(row);
            shown_cell_ = wide(info.item.iSubItem == id_column ? entry.identifier : entry.text);
            info.item.pszText = shown_cell_.data();
            return 0;
        }
        case LVN_ITEMCHANGED: {
            const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
            if ((change.uChanged & LVIF_STATE) != 0 && ((change.uNewState ^ change.uOldState) & LVIS_SELECTED) != 0) {
                selection_changed();
            }
            return 0;
        }
        case LVN_ODSTATECHANGED:
            selection_changed();
            return 0;
        case NM_DBLCLK: {
            const auto& activate = reinterpret_cast<const NMITEMACTIVATE&>(header);
            on_list_double_click(activate.ptAction);
            return 0;
        }
        case LVN_BEGINSCROLL:
            commit_cell();
            return 0;
        default:
            return 0;
    }
}

LRESULT CALLBACK StringTableEditor::list_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                                   DWORD_PTR data) noexcept {
    try {
        auto* editor = reinterpret_cast<StringTableEditor*>(data);
        if (message == WM_KEYDOWN && editor->on_list_key(wparam)) return 0;
        // Scrolling moves the rows under an open cell editor: it commits first.
        if (message == WM_VSCROLL || message == WM_HSCROLL || message == WM_MOUSEWHEEL) editor->commit_cell();
    } catch (...) {
        return 0;
    }
    return DefSubclassProc(window, message, wparam, lparam);
}

bool StringTableEditor::on_list_key(WPARAM key) {
    const bool ctrl = key_held(VK_CONTROL);
    const bool shift = key_held(VK_SHIFT);
    const bool alt = key_held(VK_MENU);
    if (ctrl && !alt && (key == 'F' || key == 'H')) {
        open_find(key == 'H');
        return true;
    }
    if (ctrl || shift || alt) return false;
    const LRESULT focused = SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED);
    switch (key) {
        case VK_DELETE:
            delete_rows();
            return true;
        case VK_INSERT:
            add_new_string();
            return true;
        case VK_RETURN:
        case VK_F2:
            if (focused >= 0) edit_cell(static_cast<std::size_t>(focused), key == VK_F2 ? id_column : string_column);
            return true;
        default:
            return false;
    }
}

void StringTableEditor::on_list_double_click(const POINT& point) {
    LVHITTESTINFO hit{};
    hit.pt = point;
    SendMessageW(list_, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    if (hit.iItem < 0 || static_cast<std::size_t>(hit.iItem) >= table_.size()) return;
    edit_cell(static_cast<std::size_t>(hit.iItem), hit.iSubItem == id_column ? id_column : string_column);
}

// The rows the list shows; the view stays where it was.
void StringTableEditor::show_rows(std::size_t count) {
    SendMessageW(list_, LVM_SETITEMCOUNT, count, LVSICF_NOSCROLL);
    InvalidateRect(list_, nullptr, FALSE);
}

void StringTableEditor::show_row(std::size_t row) {
    SendMessageW(list_, LVM_ENSUREVISIBLE, row, FALSE);
    SendMessageW(list_, LVM_REDRAWITEMS, row, static_cast<LPARAM>(row));
}

std::vector<std::size_t> StringTableEditor::selected_rows() const {
    std::vector<std::size_t> rows;
    LRESULT item = -1;
    while ((item = SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(item), LVNI_SELECTED)) >= 0) {
        rows.push_back(static_cast<std::size_t>(item));
    }
    return rows;
}

void StringTableEditor::select_rows(const std::vector<std::size_t>& rows) {
    updating_ = true;
    set_item_state(list_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    for (std::size_t row : rows) {
        if (row < table_.size()) set_item_state(list_, static_cast<int>(row), LVIS_SELECTED, LVIS_SELECTED);
    }
    if (!rows.empty() && rows.back() < table_.size()) {
        set_item_state(list_, static_cast<int>(rows.back()), LVIS_FOCUSED, LVIS_FOCUSED);
        SendMessageW(list_, LVM_ENSUREVISIBLE, rows.back(), FALSE);
    }
    updating_ = false;
    selection_changed();
}

void StringTableEditor::selection_changed() {
    if (updating_) return;
    show_selection_count();
    site_.properties_changed();
    site_.editor_state_changed();
}

void StringTableEditor::show_selection_count() {
    const auto count = static_cast<std::int64_t>(SendMessageW(list_, LVM_GETSELECTEDCOUNT, 0, 0));
    site_.show_editor_status(fill_placeholders(text(str::items_selected), decimal(count)));
}

// An undo or redo changed the table: the list shows it again with the changed row selected.
void StringTableEditor::reload(std::size_t where) {
    close_cell();
    show_rows(table_.size());
    updating_ = true;
    set_item_state(list_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (table_.size() > 0) {
        const std::size_t row = std::min(where, table_.size() - 1);
        set_item_state(list_, static_cast<int>(row), LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        SendMessageW(list_, LVM_ENSUREVISIBLE, row, FALSE);
    }
    updating_ = false;
    show_selection_count();
    site_.editor_state_changed();
}

void StringTableEditor::edit_cell(std::size_t row, Column column) {
    commit_cell();
    if (row >= table_.size()) return;
    SendMessageW(list_, LVM_ENSUREVISIBLE, row, FALSE);
    RECT cell{};
    cell.top = column;
    cell.left = column == id_column ? LVIR_LABEL : LVIR_BOUNDS;
    if (column == id_column) {
        SendMessageW(list_, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
    } else {
        SendMessageW(list_, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
    }
    const StringEntry& entry = table_.entry(row);
    const std::wstring shown = wide(column == id_column ? entry.identifier : entry.text);
    cell_edit_ = CreateWindowExW(0, L"EDIT", shown.c_str(), WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL,
                                 cell.left, cell.top, std::max(20L, cell.right - cell.left),
                                 std::max(16L, cell.bottom - cell.top), list_, nullptr,
                                 reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(list_, GWLP_HINSTANCE)), nullptr);
    if (cell_edit_ == nullptr) return;
    cell_row_ = row;
    cell_column_ = column;
    SendMessageW(cell_edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    SetWindowSubclass(cell_edit_, cell_procedure, cell_subclass, reinterpret_cast<DWORD_PTR>(this));
    SendMessageW(cell_edit_, EM_SETSEL, 0, -1);
    SetFocus(cell_edit_);
    site_.editor_state_changed();
}

LRESULT CALLBACK StringTableEditor::cell_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                                   DWORD_PTR data) noexcept {
    try {
        auto* editor = reinterpret_cast<StringTableEditor*>(data);
        switch (message) {
            case WM_GETDLGCODE:
                return DLGC_WANTALLKEYS | DefSubclassProc(window, message, wparam, lparam);
            case WM_KEYDOWN:
                if (wparam == VK_RETURN) {
                    editor->commit_cell();
                    return 0;
                }
                if (wparam == VK_ESCAPE) {
                    editor->close_cell();
                    return 0;
                }
                break;
            case WM_CHAR:
                // Enter and Escape were handled as keys; the shell's shortcuts run Cut, Copy,
                // Paste, Select All and Undo, and the box's own answers would run them twice.
                if (wparam == L'\r' || wparam == 0x1B || wparam == 0x03 || wparam == 0x16 || wparam == 0x18 ||
                    wparam == 0x01 || wparam == 0x1A || wparam == 0x19) {
                    return 0;
                }
                break;
            case WM_KILLFOCUS:
                if (editor->cell_edit_ == window) editor->commit_cell();
                break;
            default:
                break;
        }
    } catch (...) {
        return 0;
    }
    return DefSubclassProc(window, message, wparam, lparam);
}

void StringTableEditor::close_cell() {
    HWND edit = cell_edit_;
    if (edit == nullptr) return;
    cell_edit_ = nullptr;
    RemoveWindowSubclass(edit, cell_procedure, cell_subclass);
    const bool had_focus = GetFocus() == edit;
    DestroyWindow(edit);
    if (had_focus) SetFocus(list_);
    site_.editor_state_changed();
}

// Takes what the cell editor holds: a new identifier (refused with its message when it is no
// identifier or another row has it) or a new text.
void StringTableEditor::commit_cell() {
    if (cell_edit_ == nullptr) return;
    const std::u16string typed = window_text(cell_edit_);
    const std::size_t row = cell_row_;
    const Column column = cell_column_;
    close_cell();
    if (row >= table_.size()) return;
    if (column == id_column) {
        if (!editing_.set_identifier(row, typed)) return;
    } else {
        editing_.set_text(row, typed);
    }
    show_row(row);
    site_.content_changed(table_, row);
    site_.properties_changed();
}

EditorCommands StringTableEditor::commands() const {
    EditorCommands commands;
    if (cell_edit_ != nullptr) {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageW(cell_edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        commands.cut = commands.copy = commands.clear = end > start;
        commands.paste = IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE;
        commands.select_all = true;
        return commands;
    }
    const bool selection = SendMessageW(list_, LVM_GETSELECTEDCOUNT, 0, 0) > 0;
    commands.cut = commands.copy = commands.clear = selection;
    commands.paste = clipboard_has_rows();
    commands.select_all = table_.size() > 0;
    commands.find = table_.size() > 0;
    return commands;
}

bool StringTableEditor::clipboard_has_rows() const {
    return (clipboard_format_ != 0 && IsClipboardFormatAvailable(clipboard_format_) != FALSE) ||
           IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE;
}

void StringTableEditor::execute(EditorCommand command) {
    if (cell_edit_ != nullptr) {
        switch (command) {
            case EditorCommand::cut: SendMessageW(cell_edit_, WM_CUT, 0, 0); break;
            case EditorCommand::copy: SendMessageW(cell_edit_, WM_COPY, 0, 0); break;
            case EditorCommand::paste: SendMessageW(cell_edit_, WM_PASTE, 0, 0); break;
            case EditorCommand::clear: SendMessageW(cell_edit_, WM_CLEAR, 0, 0); break;
            case EditorCommand::select_all: SendMessageW(cell_edit_, EM_SETSEL, 0, -1); break;
            case EditorCommand::find: break;
        }
        return;
    }
    switch (command) {
        case EditorCommand::copy: copy_rows(); break;
        case EditorCommand::cut:
            copy_rows();
            delete_rows();
            break;
        case EditorCommand::paste: paste_rows(); break;
        case EditorCommand::clear: delete_rows(); break;
        case EditorCommand::select_all: {
            updating_ = true;
            set_item_state(list_, -1, LVIS_SELECTED, LVIS_SELECTED);
            updating_ = false;
            selection_changed();
            break;
        }
        case EditorCommand::find: open_find(false); break;
    }
    site_.editor_state_changed();
}

// The selected rows in the program's own format and as tab-separated text.
void StringTableEditor::copy_rows() {
    const std::vector<std::size_t> rows = selected_rows();
    if (rows.empty()) return;
    std::vector<StringEntry> entries;
    for (std::size_t row : rows) entries.push_back(table_.entry(row));
    const std::vector<std::uint8_t> bytes = editing_.copy(rows);
    const std::wstring plain = wide(string_rows_as_text(entries));
    if (!OpenClipboard(page_.get())) return;
    EmptyClipboard();
    if (clipboard_format_ != 0) put_on_clipboard(clipboard_format_, bytes.data(), bytes.size());
    put_on_clipboard(CF_UNICODETEXT, plain.c_str(), (plain.size() + 1) * sizeof(wchar_t));
    CloseClipboard();
}

// Rows in the program's format are taken first; plain text (from a spreadsheet, or another
// program) gives a row per line.
void StringTableEditor::paste_rows() {
    if (!OpenClipboard(page_.get())) return;
    std::vector<std::uint8_t> own;
    std::u16string plain;
    if (clipboard_format_ != 0 && IsClipboardFormatAvailable(clipboard_format_)) {
        own = clipboard_bytes(clipboard_format_);
    } else if (IsClipboardFormatAvailable(CF_UNICODETEXT)) {
        const std::vector<std::uint8_t> bytes = clipboard_bytes(CF_UNICODETEXT);
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
            const auto unit = static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
            if (unit == 0) break;
            plain.push_back(unit);
        }
    }
    CloseClipboard();

    std::vector<std::size_t> pasted;
    if (!own.empty()) {
        auto result = editing_.paste(own);
        if (!result) {
            MessageBeep(MB_ICONWARNING);
            return;
        }
        pasted = std::move(*result);
    } else {
        pasted = editing_.paste_rows(string_rows_from_text(plain));
    }
    if (pasted.empty()) return;
    show_rows(table_.size());
    select_rows(pasted);
    site_.content_changed(table_, pasted.back());
}

void StringTableEditor::delete_rows() {
    const std::vector<std::size_t> rows = selected_rows();
    if (!editing_.delete_rows(rows)) return;
    show_rows(table_.size());
    if (table_.size() > 0) {
        select_rows({std::min(rows.front(), table_.size() - 1)});
    } else {
        selection_changed();
    }
    site_.content_changed(table_, rows.front());
}

void StringTableEditor::add_new_string() {
    commit_cell();
    const std::size_t row = editing_.add_new_string();
    show_rows(table_.size());
    select_rows({row});
    site_.content_changed(table_, row);
}

HMENU StringTableEditor::build_context_menu() const {
    HMENU menu = CreatePopupMenu();
    const EditorCommands enabled = commands();
    const auto add = [&](UINT id, std::uint32_t label, bool on) {
        AppendMenuW(menu, MF_STRING | (on ? MF_ENABLED : MF_GRAYED), id, wide(text(label)).c_str());
    };
    add(menu_copy, str::menu_copy, enabled.copy);
    add(menu_cut, str::menu_cut, enabled.cut);
    add(menu_delete, str::menu_delete, enabled.clear);
    add(menu_paste, str::menu_paste, enabled.paste);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    add(menu_add, str::add_new_string, true);
    return menu;
}

void StringTableEditor::run_menu_command(UINT command) {
    switch (command) {
        case menu_copy: execute(EditorCommand::copy); break;
        case menu_cut: execute(EditorCommand::cut); break;
        case menu_delete: execute(EditorCommand::clear); break;
        case menu_paste: execute(EditorCommand::paste); break;
        case menu_add: add_new_string(); break;
        default: break;
    }
}

void StringTableEditor::on_context_menu(LPARAM position) {
    commit_cell();
    POINT at{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    if (position == -1) {  // from the keyboard: under the focused row
        RECT row{LVIR_BOUNDS, 0, 0, 0};
        const LRESULT focused = SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED);
        if (focused >= 0) SendMessageW(list_, LVM_GETITEMRECT, static_cast<WPARAM>(focused), reinterpret_cast<LPARAM>(&row));
        at = POINT{row.left + 10, row.bottom};
        ClientToScreen(list_, &at);
    }
    UniqueMenu menu(build_context_menu());
    const UINT command = static_cast<UINT>(
        TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, page_.get(), nullptr));
    run_menu_command(command);
}

void StringTableEditor::open_find(bool replace) {
    commit_cell();
    find_box_.open(page_.get(), replace);
}

void StringTableEditor::on_find_request(const FindRequest& request) {
    const std::u16string& what = request.what;
    const std::u16string& with = request.with;
    const bool match_case = request.match_case;
    if (request.action == FindRequest::Action::replace_all) {
        const std::size_t count = editing_.replace_all(what, with, match_case);
        if (count > 0) {
            InvalidateRect(list_, nullptr, FALSE);
            site_.content_changed(table_, 0);
            site_.properties_changed();
        }
        workspace_.ask(fill_placeholders(text(str::occurrences_replaced), decimal(static_cast<std::int64_t>(count))),
                       AskButtons::ok, AskIcon::information);
        return;
    }
    if (request.action == FindRequest::Action::replace) {
        // The found row's first occurrence is replaced, then the search goes on.
        if (const auto row = single_selected_row()) {
            const std::u16string current = table_.entry(*row).text;
            if (const auto at = find_in_text(current, 0, TextSearch{what, match_case, true})) {
                editing_.set_text(*row, current.substr(0, *at) + with + current.substr(*at + what.size()));
                show_row(*row);
                site_.content_changed(table_, *row);
                site_.properties_changed();
            }
        }
        find_next(what, match_case, true);
        return;
    }
    find_next(what, match_case, request.forward);
}

void StringTableEditor::find_next(const std::u16string& what, bool match_case, bool forward) {
    std::optional<std::size_t> current;
    const LRESULT focused = SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED);
    if (focused >= 0 && static_cast<std::size_t>(focused) < table_.size()) current = static_cast<std::size_t>(focused);
    const auto match = find_next_string(table_.entries(), current, TextSearch{what, match_case, forward});
    if (!match) {
        MessageBeep(MB_ICONINFORMATION);
        workspace_.ask(fill_placeholders(text(str::text_not_found), what), AskButtons::ok, AskIcon::information);
        return;
    }
    select_rows({match->row});
}

// The one selected row; none when no row or several are selected.
std::optional<std::size_t> StringTableEditor::single_selected_row() const {
    if (SendMessageW(list_, LVM_GETSELECTEDCOUNT, 0, 0) != 1) return std::nullopt;
    const LRESULT row = SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    if (row < 0 || static_cast<std::size_t>(row) >= table_.size()) return std::nullopt;
    return static_cast<std::size_t>(row);
}

std::vector<PropertyRow> StringTableEditor::properties() const {
    const auto selected = single_selected_row();
    if (!selected) return {};
    const StringEntry& entry = table_.entry(*selected);
    std::vector<PropertyRow> grid(3);
    grid[category_row].name = text(str::category_misc);
    grid[category_row].flags = property_flag::category | property_flag::expanded;
    grid[string_row].name = text(str::column_string);
    grid[string_row].help = text(str::string_help);
    grid[string_row].flags = property_flag::free_text;
    grid[string_row].value = entry.text;
    grid[id_row].name = text(str::column_id);
    grid[id_row].help = text(str::string_id_help);
    grid[id_row].flags = property_flag::free_text;
    grid[id_row].value = entry.identifier;
    return grid;
}

void StringTableEditor::set_property(std::size_t index, const std::u16string& value, int) {
    const auto selected = single_selected_row();
    if (!selected) return;
    const std::size_t row = *selected;
    if (index == string_row) {
        editing_.set_text(row, value);
    } else if (index == id_row) {
        (void)editing_.set_identifier(row, value);
    } else {
        return;
    }
    show_row(row);
    site_.content_changed(table_, row);
    site_.properties_changed();
}

}  // namespace tavorin
