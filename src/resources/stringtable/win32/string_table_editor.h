#pragma once
// The editor of a string table: a virtual list with the columns "ID" and "String" that reads the
// table's rows as it draws them (so tens of thousands of strings open at once), several rows
// selectable, both cells edited in place, the clipboard in the program's own format and as
// tab-separated text, and Find (Ctrl+F) and Replace (Ctrl+H) over the strings. Every change goes
// through the table's editing operations, which record it in the site's history.
//
// Keys in the list: Enter edits the string, F2 the identifier, Insert adds a new string, Delete
// deletes the selected rows. In the cell editor Enter commits and Escape cancels.

#include "platform/win32/windows_api.h"
#include <commdlg.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/handles.h"
#include "resources/stringtable/string_table.h"
#include "resources/stringtable/string_table_editing.h"
#include "ui/win32/find_replace_box.h"
#include "ui/win32/resource_editor.h"

namespace tavorin {

class Workspace;

class StringTableEditor : public ResourceEditor {
public:
    static constexpr const wchar_t* class_name = L"TavorinStringTable";
    enum Column : int { id_column = 0, string_column = 1 };
    // The context menu's commands.
    enum MenuCommand : UINT { menu_copy = 1, menu_cut, menu_delete, menu_paste, menu_add };

    // The page is created as a child of `area`; `clipboard_format` is the registered
    // "Tavorin_StringTable".
    static std::unique_ptr<StringTableEditor> create(StringTable& table, Workspace& workspace, EditorSite& site,
                                                     HWND area, HINSTANCE instance, HFONT font, UINT clipboard_format);
    ~StringTableEditor() override;

    Resource& resource() const override { return table_; }
    HWND window() const override { return page_.get(); }
    HWND focus_window() const override { return list_; }
    EditorCommands commands() const override;
    void execute(EditorCommand command) override;
    std::vector<PropertyRow> properties() const override;
    void set_property(std::size_t index, const std::u16string& text, int choice) override;
    void reload(std::size_t where) override;
    void activated() override { show_selection_count(); }
    void commit_edits() override { commit_cell(); }

    HWND list() const { return list_; }
    // The cell editor while one is open, else null.
    HWND cell_editor() const { return cell_edit_; }
    HWND find_dialog() const { return find_box_.window(); }
    std::vector<std::size_t> selected_rows() const;
    void select_rows(const std::vector<std::size_t>& rows);

    // Opens the cell editor over a row's cell.
    void edit_cell(std::size_t row, Column column);
    // The context menu as it would open now; the caller destroys it.
    HMENU build_context_menu() const;
    void run_menu_command(UINT command);
    void add_new_string();
    void open_find(bool replace);

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept;
    void attach(HWND window) noexcept { page_.reset(window); }
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam);
    void on_exception(std::exception_ptr) noexcept {}
    void detach() noexcept { page_.release(); }

private:
    StringTableEditor(StringTable& table, Workspace& workspace, EditorSite& site, HFONT font, UINT clipboard_format);
    static LRESULT CALLBACK list_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                           DWORD_PTR data) noexcept;
    static LRESULT CALLBACK cell_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                           DWORD_PTR data) noexcept;
    bool create_list(HINSTANCE instance);
    LRESULT on_notify(const NMHDR& header);
    bool on_list_key(WPARAM key);
    void on_list_double_click(const POINT& point);
    void on_context_menu(LPARAM position);
    void on_find_request(const FindRequest& request);
    void find_next(const std::u16string& what, bool match_case, bool forward);
    std::optional<std::size_t> single_selected_row() const;
    void selection_changed();
    void show_selection_count();
    void show_rows(std::size_t count);
    void show_row(std::size_t row);
    void commit_cell();
    void close_cell();
    void copy_rows();
    void paste_rows();
    void delete_rows();
    bool clipboard_has_rows() const;
    std::u16string text(std::uint32_t id) const;

    StringTable& table_;
    Workspace& workspace_;
    EditorSite& site_;
    StringTableEditing editing_;
    HFONT font_;
    UINT clipboard_format_;
    UniqueWindow page_;
    HWND list_ = nullptr;       // children of the page
    HWND cell_edit_ = nullptr;
    std::size_t cell_row_ = 0;
    Column cell_column_ = string_column;
    bool updating_ = false;
    std::wstring shown_cell_;   // the text handed to the list for the cell it draws
    FindReplaceBox find_box_{0};
};

}  // namespace tavorin
