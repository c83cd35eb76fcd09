#include "resources/accelerator/win32/accelerator_editor.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cstring>

#include "model/workspace.h"
#include "platform/win32/bound_window.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_class.h"
#include "resources/accelerator/accelerator_clipboard.h"
#include "services/string_ids.h"

namespace tavorin {

namespace {

constexpr UINT_PTR cell_subclass = 1;
// Posted to commit a drop-down list's choice once its notification has returned.
constexpr UINT commit_message = WM_APP + 1;

enum Row : std::size_t {
    modifier_category,
    alt_row,
    ctrl_row,
    shift_row,
    general_category,
    type_row,
    key_row,
    id_row,
    noinvert_row,
};

bool register_editor_class(HINSTANCE instance) {
    WindowClass description{AcceleratorResourceEditor::class_name, AcceleratorResourceEditor::procedure};
    description.background = GetSysColorBrush(COLOR_WINDOW);
    return register_window_class(instance, description);
}

std::u16string window_text_of(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return from_wide(text);
}

PropertyRow boolean_row(const Workspace& workspace, str::Id name, str::Id help, bool value, bool enabled) {
    PropertyRow row;
    row.name = workspace.text(name);
    row.help = help != 0 ? workspace.text(help) : std::u16string();
    row.flags = property_flag::fixed_choices | (enabled ? 0 : property_flag::disabled);
    row.choices = {workspace.text(str::false_text), workspace.text(str::true_text)};
    row.choice = value ? 1 : 0;
    row.value = row.choices[static_cast<std::size_t>(row.choice)];
    return row;
}

bool key_down(int key) { return (GetKeyState(key) & 0x8000) != 0; }

}  // namespace

AcceleratorResourceEditor::AcceleratorResourceEditor(AcceleratorTable& table, Workspace& workspace,
                                                     const VirtualKeyNames& names, EditorSite& site)
    : table_(table), workspace_(workspace), names_(names), site_(site),
      editing_(table, workspace, site.history(table), names) {}

AcceleratorResourceEditor::~AcceleratorResourceEditor() {
    // A cell still open when the page goes keeps what was typed into it.
    try {
        commit_edit();
    } catch (...) {
        // Nothing may leave a destructor; the model keeps its old value.
    }
    if (cell_edit_box_ != nullptr) RemoveWindowSubclass(cell_edit_box_, cell_procedure, cell_subclass);
}

LRESULT CALLBACK AcceleratorResourceEditor::procedure(HWND window, UINT message, WPARAM wparam,
                                                      LPARAM lparam) noexcept {
    return bound_window_procedure<AcceleratorResourceEditor>(window, message, wparam, lparam);
}

std::unique_ptr<AcceleratorResourceEditor> AcceleratorResourceEditor::create(AcceleratorTable& table,
                                                                             Workspace& workspace,
                                                                             const VirtualKeyNames& names,
                                                                             EditorSite& site, HWND area,
                                                                             HINSTANCE instance, HFONT font) {
    if (!register_editor_class(instance)) return nullptr;
    std::unique_ptr<AcceleratorResourceEditor> editor(new AcceleratorResourceEditor(table, workspace, names, site));
    if (CreateWindowExW(0, class_name, nullptr, WS_CHILD | WS_CLIPCHILDREN, 0, 0, 0, 0, area, nullptr, instance,
                        editor.get()) == nullptr) {
        return nullptr;
    }
    editor->font_ = font;
    editor->clipboard_format_ = RegisterClipboardFormatW(wide(accelerator_clipboard_format).c_str());
    editor->create_list(instance, font);
    if (editor->list_ == nullptr) return nullptr;
    editor->fill_list();
    return editor;
}

void AcceleratorResourceEditor::create_list(HINSTANCE instance, HFONT font) {
    list_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, nullptr,
                            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS, 0,
                            0, 0, 0, window_.get(), nullptr, instance, nullptr);
    if (list_ == nullptr) return;
    SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    const str::Id names[column_count] = {str::column_id, str::column_key_modifier, str::column_key, str::column_type};
    const int widths[column_count] = {150, 100, 100, 100};
    for (int column = 0; column < column_count; ++column) {
        std::wstring title = wide(workspace_.text(names[column]));
        LVCOLUMNW info{};
        info.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        info.pszText = title.data();
        info.cx = widths[column];
        info.iSubItem = column;
        SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
    }
}

std::u16string AcceleratorResourceEditor::cell_text(std::size_t row, Column column) const {
    if (row >= table_.size()) return {};
    const AcceleratorEntry& entry = table_.entry(row);
    switch (column) {
        case id_column: return entry.identifier;
        case modifier_column: return modifier_text(entry);
        case key_column: return key_text(entry.key);
        case type_column:
            return workspace_.text(entry.key.is_virtual() ? str::type_virtual_key : str::type_ascii);
        default: return {};
    }
}

// The rows are few; the list is filled again after every change, keeping the selection.
void AcceleratorResourceEditor::fill_list() {
    const std::vector<std::size_t> selected = selected_rows();
    filling_ = true;
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(list_);
    for (std::size_t row = 0; row < table_.size(); ++row) {
        for (int column = 0; column < column_count; ++column) {
            std::wstring text = wide(cell_text(row, static_cast<Column>(column)));
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = static_cast<int>(row);
            item.iSubItem = column;
            item.pszText = text.data();
            SendMessageW(list_, column == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, row,
                         reinterpret_cast<LPARAM>(&item));
        }
    }
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    filling_ = false;
    std::vector<std::size_t> kept;
    for (std::size_t row : selected) {
        if (row < table_.size()) kept.push_back(row);
    }
    if (kept.empty() && !selected.empty() && table_.size() > 0) kept.push_back(table_.size() - 1);
    select_rows(kept);
    InvalidateRect(list_, nullptr, TRUE);
}

std::vector<std::size_t> AcceleratorResourceEditor::selected_rows() const {
    std::vector<std::size_t> rows;
    int item = -1;
    while ((item = ListView_GetNextItem(list_, item, LVNI_SELECTED)) >= 0) rows.push_back(static_cast<std::size_t>(item));
    return rows;
}

void AcceleratorResourceEditor::select_rows(const std::vector<std::size_t>& rows) {
    filling_ = true;
    ListView_SetItemState(list_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    for (std::size_t row : rows) {
        ListView_SetItemState(list_, static_cast<int>(row), LVIS_SELECTED, LVIS_SELECTED);
    }
    if (!rows.empty()) {
        ListView_SetItemState(list_, static_cast<int>(rows.back()), LVIS_FOCUSED, LVIS_FOCUSED);
        ListView_EnsureVisible(list_, static_cast<int>(rows.back()), FALSE);
    }
    filling_ = false;
    site_.properties_changed();
    site_.editor_state_changed();
}

std::optional<std::size_t> AcceleratorResourceEditor::single_row() const {
    const std::vector<std::size_t> rows = selected_rows();
    // The list may still show a row the table has just lost (while a deletion is recorded).
    if (rows.size() != 1 || rows.front() >= table_.size()) return std::nullopt;
    return rows.front();
}

void AcceleratorResourceEditor::changed(std::size_t row) {
    fill_list();
    site_.content_changed(table_, row);
    site_.properties_changed();
    site_.editor_state_changed();
}

void AcceleratorResourceEditor::refused(const Status& status) {
    if (status) return;
    // An invalid identifier has been shown by the editing already.
    if (status.error() == workspace_.text(str::invalid_id) ||
        status.error() == workspace_.text(str::number_too_big_word)) {
        return;
    }
    workspace_.ask(status.error(), workspace_.text(str::error_caption), AskButtons::ok, AskIcon::error);
}

void AcceleratorResourceEditor::reload(std::size_t where) {
    fill_list();
    if (where < table_.size()) select_rows({where});
}

void AcceleratorResourceEditor::after_undo() {
    cancel_edit();
    fill_list();
}

EditorCommands AcceleratorResourceEditor::commands() const {
    EditorCommands commands;
    const bool any = !selected_rows().empty();
    commands.cut = any;
    commands.copy = any;
    commands.clear = any;
    commands.paste = IsClipboardFormatAvailable(clipboard_format_) != FALSE;
    commands.select_all = table_.size() > 0;
    return commands;
}

void AcceleratorResourceEditor::execute(EditorCommand command) {
    switch (command) {
        case EditorCommand::cut:
            copy_rows();
            delete_rows();
            break;
        case EditorCommand::copy: copy_rows(); break;
        case EditorCommand::paste: paste_rows(); break;
        case EditorCommand::clear: delete_rows(); break;
        case EditorCommand::select_all: {
            std::vector<std::size_t> all(table_.size());
            for (std::size_t i = 0; i < all.size(); ++i) all[i] = i;
            select_rows(all);
            break;
        }
        case EditorCommand::find: break;
    }
}

void AcceleratorResourceEditor::copy_rows() {
    const std::vector<std::size_t> rows = selected_rows();
    if (rows.empty()) return;
    const std::vector<std::uint8_t> bytes = editing_.copy(rows);
    if (!OpenClipboard(window_.get())) return;
    EmptyClipboard();
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size())) {
        if (void* target = GlobalLock(memory)) {
            std::memcpy(target, bytes.data(), bytes.size());
            GlobalUnlock(memory);
            // The clipboard owns the memory once it has taken it.
            if (SetClipboardData(clipboard_format_, memory) == nullptr) GlobalFree(memory);
        } else {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
    site_.editor_state_changed();
}

void AcceleratorResourceEditor::paste_rows() {
    if (!OpenClipboard(window_.get())) return;
    std::vector<std::uint8_t> bytes;
    if (HANDLE data = GetClipboardData(clipboard_format_)) {
        if (const void* source = GlobalLock(data)) {
            const auto* begin = static_cast<const std::uint8_t*>(source);
            bytes.assign(begin, begin + GlobalSize(data));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    if (bytes.empty()) return;
    auto pasted = editing_.paste(bytes);
    if (!pasted) {
        refused(Error{pasted.error()});
        return;
    }
    if (pasted->empty()) return;
    fill_list();
    select_rows(*pasted);
    site_.content_changed(table_, pasted->front());
}

void AcceleratorResourceEditor::delete_rows() {
    const std::vector<std::size_t> rows = selected_rows();
    if (!editing_.delete_rows(rows)) return;
    const std::size_t first = *std::min_element(rows.begin(), rows.end());
    fill_list();
    if (table_.size() > 0) select_rows({std::min(first, table_.size() - 1)});
    else select_rows({});
    site_.content_changed(table_, first);
}

// ---------------------------------------------------------------------------------------------
// In-place editing

void AcceleratorResourceEditor::begin_edit(std::size_t row, Column column) {
    cancel_edit();
    if (row >= table_.size()) return;
    select_rows({row});
    RECT cell{};
    cell.top = column;
    cell.left = LVIR_BOUNDS;
    if (!SendMessageW(list_, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&cell))) return;
    if (column == id_column) {
        // The first column's rectangle is the whole row's.
        cell.right = cell.left + ListView_GetColumnWidth(list_, 0);
    }
    MapWindowPoints(list_, window_.get(), reinterpret_cast<POINT*>(&cell), 2);
    const AcceleratorEntry& entry = table_.entry(row);
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_.get(), GWLP_HINSTANCE));
    const int width = cell.right - cell.left;
    const int height = cell.bottom - cell.top;
    HWND control = nullptr;
    const auto combo = [&](DWORD style) {
        return CreateWindowExW(0, WC_COMBOBOXW, nullptr, WS_CHILD | WS_VISIBLE | WS_VSCROLL | style, cell.left,
                               cell.top - 2, width, height + 200, window_.get(), nullptr, instance, nullptr);
    };
    if (column == id_column || (column == key_column && !entry.key.is_virtual())) {
        control = CreateWindowExW(0, WC_EDITW, wide(cell_text(row, column)).c_str(),
                                  WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, cell.left, cell.top, width,
                                  height, window_.get(), nullptr, instance, nullptr);
    } else if (column == key_column) {
        control = combo(CBS_DROPDOWN | CBS_AUTOHSCROLL);
        for (const VirtualKeyName& name : standard_virtual_key_names()) {
            SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(name.name).c_str()));
        }
        for (const auto& [name, code] : names_.added()) {
            SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(name).c_str()));
        }
        SetWindowTextW(control, wide(cell_text(row, column)).c_str());
    } else if (column == modifier_column) {
        control = combo(CBS_DROPDOWNLIST);
        // An ASCII key takes Alt only.
        const std::size_t count = entry.key.is_virtual() ? modifier_choice_count : 2;
        for (std::size_t choice = 0; choice < count; ++choice) {
            SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(modifier_choice_text(choice)).c_str()));
        }
        SendMessageW(control, CB_SETCURSEL, modifier_choice_of(entry), 0);
    } else {
        control = combo(CBS_DROPDOWNLIST);
        SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(workspace_.text(str::type_ascii)).c_str()));
        SendMessageW(control, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(wide(workspace_.text(str::type_virtual_key)).c_str()));
        SendMessageW(control, CB_SETCURSEL, entry.key.is_virtual() ? 1 : 0, 0);
    }
    if (control == nullptr) return;
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    SetWindowPos(control, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    cell_editor_ = control;
    edit_row_ = row;
    edit_column_ = column;
    // A drop-down combo box takes its keys in its edit part.
    HWND keys = GetWindow(control, GW_CHILD);
    cell_edit_box_ = column == key_column && entry.key.is_virtual() && keys != nullptr ? keys : control;
    SetWindowSubclass(cell_edit_box_, cell_procedure, cell_subclass, reinterpret_cast<DWORD_PTR>(this));
    SetFocus(cell_edit_box_);
    if (cell_edit_box_ != control || column == id_column || column == key_column) {
        SendMessageW(cell_edit_box_, EM_SETSEL, 0, -1);
    }
}

void AcceleratorResourceEditor::cancel_edit() {
    if (cell_editor_ == nullptr) return;
    HWND control = cell_editor_;
    RemoveWindowSubclass(cell_edit_box_, cell_procedure, cell_subclass);
    cell_editor_ = nullptr;
    cell_edit_box_ = nullptr;
    const bool had_focus = GetFocus() == control || IsChild(control, GetFocus());
    DestroyWindow(control);
    if (had_focus) SetFocus(list_);
}

void AcceleratorResourceEditor::commit_edit() {
    if (cell_editor_ == nullptr) return;
    const std::size_t row = edit_row_;
    const Column column = edit_column_;
    const std::u16string text = window_text_of(cell_editor_);
    const auto choice = static_cast<int>(SendMessageW(cell_editor_, CB_GETCURSEL, 0, 0));
    cancel_edit();
    if (row >= table_.size()) return;
    const AcceleratorEntry& entry = table_.entry(row);
    switch (column) {
        case id_column: refused(editing_.set_identifier(row, text)); break;
        case key_column:
            refused(entry.key.is_virtual() ? editing_.set_virtual_key(row, text) : editing_.set_ascii_key(row, text));
            break;
        case modifier_column:
            if (choice >= 0) {
                const auto bits = static_cast<std::size_t>(choice);
                editing_.set_modifiers(row, (bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0);
            }
            break;
        case type_column:
            if (choice >= 0) editing_.set_virtual(row, choice == 1);
            break;
        default: break;
    }
    changed(row);
}

LRESULT CALLBACK AcceleratorResourceEditor::cell_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                                           UINT_PTR, DWORD_PTR data) noexcept {
    auto* editor = reinterpret_cast<AcceleratorResourceEditor*>(data);
    try {
        switch (message) {
            case WM_GETDLGCODE: return DLGC_WANTALLKEYS;
            case WM_KEYDOWN:
                if (wparam == VK_RETURN) {
                    editor->commit_edit();
                    return 0;
                }
                if (wparam == VK_ESCAPE) {
                    editor->cancel_edit();
                    return 0;
                }
                break;
            case WM_CHAR:
                // Enter and Escape have been handled; the edit box would beep at them.
                if (wparam == L'\r' || wparam == 0x1B) return 0;
                break;
            default: break;
        }
    } catch (...) {
        return 0;
    }
    return DefSubclassProc(window, message, wparam, lparam);
}

// ---------------------------------------------------------------------------------------------
// Key capture

void AcceleratorResourceEditor::start_capture() {
    cancel_edit();
    if (!single_row()) return;
    capturing_ = true;
    SetFocus(window_.get());
    site_.show_editor_status(workspace_.text(str::press_the_key_status));
}

void AcceleratorResourceEditor::on_capture_key(WPARAM key) {
    if (key == VK_ESCAPE) {
        capturing_ = false;
        site_.show_editor_status(u"");
        SetFocus(list_);
        return;
    }
    const auto row = single_row();
    if (!row) {
        capturing_ = false;
        return;
    }
    if (!editing_.press_key(*row, static_cast<std::uint16_t>(key), key_down(VK_MENU), key_down(VK_CONTROL),
                            key_down(VK_SHIFT))) {
        return;  // a modifier alone: still waiting
    }
    capturing_ = false;
    site_.show_editor_status(u"");
    SetFocus(list_);
    changed(*row);
}

// ---------------------------------------------------------------------------------------------
// Context menu

UniqueMenu AcceleratorResourceEditor::context_menu() const {
    UniqueMenu menu(CreatePopupMenu());
    const EditorCommands enabled = commands();
    const bool one = selected_rows().size() == 1;
    const auto add = [&menu](UINT id, const std::u16string& text, bool on) {
        AppendMenuW(menu.get(), MF_STRING | (on ? MF_ENABLED : MF_GRAYED), id, wide(text).c_str());
    };
    add(add_command, workspace_.text(str::add_new_accelerator), true);
    add(press_key_command, workspace_.text(str::press_the_key), one);
    AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    add(cut_command, workspace_.text(str::menu_cut), enabled.cut);
    add(copy_command, workspace_.text(str::menu_copy), enabled.copy);
    add(paste_command, workspace_.text(str::menu_paste), enabled.paste);
    add(delete_command, workspace_.text(str::menu_delete), enabled.clear);
    AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    add(select_all_command, workspace_.text(str::menu_select_all), enabled.select_all);
    return menu;
}

void AcceleratorResourceEditor::run_context_command(UINT command) {
    switch (command) {
        case add_command: {
            const std::size_t row = editing_.add_new();
            fill_list();
            select_rows({row});
            site_.content_changed(table_, row);
            break;
        }
        case press_key_command: start_capture(); break;
        case cut_command: execute(EditorCommand::cut); break;
        case copy_command: execute(EditorCommand::copy); break;
        case paste_command: execute(EditorCommand::paste); break;
        case delete_command: execute(EditorCommand::clear); break;
        case select_all_command: execute(EditorCommand::select_all); break;
        default: break;
    }
}

void AcceleratorResourceEditor::show_context_menu(LPARAM position) {
    POINT at{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    if (position == -1) {  // from the keyboard: under the focused row
        RECT row{};
        row.left = LVIR_BOUNDS;
        const int focused = ListView_GetNextItem(list_, -1, LVNI_FOCUSED);
        if (focused >= 0) SendMessageW(list_, LVM_GETITEMRECT, static_cast<WPARAM>(focused), reinterpret_cast<LPARAM>(&row));
        at = POINT{row.left + 10, row.bottom};
        ClientToScreen(list_, &at);
    }
    const UniqueMenu menu = context_menu();
    const auto command = static_cast<UINT>(
        TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, window_.get(), nullptr));
    run_context_command(command);
}

// ---------------------------------------------------------------------------------------------
// Properties

std::vector<PropertyRow> AcceleratorResourceEditor::properties() const {
    const auto row = single_row();
    if (!row) return {};
    const AcceleratorEntry& entry = table_.entry(*row);
    const bool is_virtual = entry.key.is_virtual();
    std::vector<PropertyRow> rows;
    rows.push_back(expanded_category(workspace_.text(str::category_modifier)));
    rows.push_back(boolean_row(workspace_, str::property_alt, str::alt_help, entry.alt, true));
    rows.push_back(boolean_row(workspace_, str::property_ctrl, str::ctrl_help, entry.control, is_virtual));
    rows.push_back(boolean_row(workspace_, str::property_shift, str::shift_help, entry.shift, is_virtual));
    rows.push_back(expanded_category(workspace_.text(str::category_general)));

    PropertyRow type;
    type.name = workspace_.text(str::property_accelerator_type);
    type.help = workspace_.text(str::accelerator_type_help);
    type.flags = property_flag::fixed_choices;
    type.choices = {workspace_.text(str::type_ascii), workspace_.text(str::type_virtual_key)};
    type.choice = is_virtual ? 1 : 0;
    type.value = type.choices[static_cast<std::size_t>(type.choice)];
    rows.push_back(type);

    PropertyRow key;
    key.name = workspace_.text(str::property_key);
    key.help = workspace_.text(str::key_help);
    key.value = key_text(entry.key);
    key.flags = property_flag::free_text;
    if (is_virtual) {
        key.flags |= property_flag::fixed_choices;
        for (const VirtualKeyName& name : standard_virtual_key_names()) key.choices.emplace_back(name.name);
        for (const auto& [name, code] : names_.added()) key.choices.push_back(name);
        const auto found = std::find(key.choices.begin(), key.choices.end(), key.value);
        key.choice = found == key.choices.end() ? -1 : static_cast<int>(found - key.choices.begin());
    }
    rows.push_back(key);

    PropertyRow id;
    id.name = workspace_.text(str::property_id);
    id.help = workspace_.text(str::accelerator_id_help);
    id.value = entry.identifier;
    id.flags = property_flag::free_text;
    rows.push_back(id);

    rows.push_back(boolean_row(workspace_, str::property_noinvert, str::noinvert_help, entry.noinvert, true));
    return rows;
}

void AcceleratorResourceEditor::set_property(std::size_t index, const std::u16string& text, int choice) {
    const auto row = single_row();
    if (!row) return;
    const bool on = choice == 1;
    const bool picked = choice >= 0;
    const AcceleratorEntry& entry = table_.entry(*row);
    switch (index) {
        case alt_row:
            if (picked) editing_.set_alt(*row, on);
            break;
        case ctrl_row:
            if (picked) editing_.set_control(*row, on);
            break;
        case shift_row:
            if (picked) editing_.set_shift(*row, on);
            break;
        case type_row:
            if (picked) editing_.set_virtual(*row, on);
            break;
        case key_row:
            if (picked && entry.key.is_virtual()) {
                const auto names = properties().at(key_row).choices;
                if (static_cast<std::size_t>(choice) < names.size()) {
                    refused(editing_.set_virtual_key(*row, names[static_cast<std::size_t>(choice)]));
                }
            } else if (!picked) {
                refused(entry.key.is_virtual() ? editing_.set_virtual_key(*row, text)
                                               : editing_.set_ascii_key(*row, text));
            }
            break;
        case id_row:
            if (!picked) refused(editing_.set_identifier(*row, text));
            break;
        case noinvert_row:
            if (picked) editing_.set_noinvert(*row, on);
            break;
        default: return;
    }
    changed(*row);
}

// ---------------------------------------------------------------------------------------------
// Messages

void AcceleratorResourceEditor::on_key(WORD key) {
    const auto row = single_row();
    switch (key) {
        case VK_DELETE:
            if (!key_down(VK_SHIFT)) delete_rows();  // Shift+Delete comes as the shell's command
            break;
        case VK_INSERT:
            if (!key_down(VK_CONTROL) && !key_down(VK_SHIFT)) run_context_command(add_command);
            break;
        case VK_F2:
            if (row) begin_edit(*row, id_column);
            break;
        case VK_RETURN:
            if (row) start_capture();
            break;
        default: break;
    }
}

LRESULT AcceleratorResourceEditor::on_notify(const NMHDR& header) {
    if (header.hwndFrom != list_) return 0;
    switch (header.code) {
        case LVN_ITEMCHANGED: {
            const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
            if (!filling_ && ((change.uNewState ^ change.uOldState) & LVIS_SELECTED) != 0) {
                site_.properties_changed();
                site_.editor_state_changed();
            }
            return 0;
        }
        case NM_DBLCLK: {
            const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(header);
            LVHITTESTINFO hit{};
            hit.pt = click.ptAction;
            if (SendMessageW(list_, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)) >= 0 && hit.iItem >= 0) {
                begin_edit(static_cast<std::size_t>(hit.iItem), static_cast<Column>(hit.iSubItem));
            } else {
                run_context_command(add_command);
            }
            return 0;
        }
        case LVN_KEYDOWN:
            on_key(reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey);
            return 0;
        case NM_RETURN:
            return 0;
        default: return 0;
    }
}

LRESULT AcceleratorResourceEditor::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
    HWND window = window_.get();
    switch (message) {
        case WM_SIZE:
            cancel_edit();
            MoveWindow(list_, 0, 0, LOWORD(lparam), HIWORD(lparam), TRUE);
            return 0;
        case WM_NOTIFY:
            return on_notify(*reinterpret_cast<const NMHDR*>(lparam));
        case WM_COMMAND: {
            const HWND from = reinterpret_cast<HWND>(lparam);
            if (from == nullptr || from != cell_editor_) return 0;
            const WORD code = HIWORD(wparam);
            if (code == CBN_SELENDOK && edit_column_ != key_column) {
                PostMessageW(window, commit_message, 0, 0);
            } else if (code == EN_KILLFOCUS || code == CBN_KILLFOCUS) {
                // Focus moving to the editor's own list part is no leaving.
                if (GetFocus() != cell_editor_ && !IsChild(cell_editor_, GetFocus())) {
                    PostMessageW(window, commit_message, 0, 0);
                }
            }
            return 0;
        }
        case commit_message:
            commit_edit();
            return 0;
        case WM_CONTEXTMENU:
            if (reinterpret_cast<HWND>(wparam) == list_) show_context_menu(lparam);
            return 0;
        case WM_SETFOCUS:
            if (!capturing_) SetFocus(list_);
            return 0;
        case WM_KILLFOCUS:
            if (capturing_) {
                capturing_ = false;
                site_.show_editor_status(u"");
            }
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (capturing_) {
                on_capture_key(wparam);
                return 0;
            }
            return DefWindowProcW(window, message, wparam, lparam);
        case WM_SYSKEYUP:
        case WM_SYSCHAR:
        case WM_CHAR:
            // While a key is awaited, Alt does not open the menu bar and characters are no input.
            if (capturing_) return 0;
            return DefWindowProcW(window, message, wparam, lparam);
        default:
            return DefWindowProcW(window, message, wparam, lparam);
    }
}

}  // namespace tavorin
