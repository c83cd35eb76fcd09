#pragma once
// The editor of an accelerator table: a list of the rows with the columns ID, Key Modifier, Key
// and Type, several rows selectable. A double click on a cell edits it in place (an edit box for
// the identifier and an ASCII key, a list of key names for a virtual key, drop-down lists for the
// modifiers and the type); the property grid shows the selected row. "Press the key..." waits for
// a key stroke and makes it the row's key with the modifiers held. Rows travel through the
// system clipboard in the registered format "Tavorin_Accelerator".

#include "platform/win32/windows_api.h"

#include <exception>
#include <memory>
#include <optional>
#include <vector>

#include "platform/win32/handles.h"
#include "resources/accelerator/accelerator_editing.h"
#include "ui/win32/resource_editor.h"

namespace tavorin {

class Workspace;

class AcceleratorResourceEditor : public ResourceEditor {
public:
    static constexpr const wchar_t* class_name = L"TavorinAcceleratorEditor";
    enum Column : int { id_column, modifier_column, key_column, type_column, column_count };
    // The commands of the context menu.
    enum ContextCommand : UINT {
        add_command = 1,
        press_key_command,
        cut_command,
        copy_command,
        paste_command,
        delete_command,
        select_all_command,
    };

    static std::unique_ptr<AcceleratorResourceEditor> create(AcceleratorTable& table, Workspace& workspace,
                                                             const VirtualKeyNames& names, EditorSite& site,
                                                             HWND area, HINSTANCE instance, HFONT font);
    ~AcceleratorResourceEditor() override;

    Resource& resource() const override { return table_; }
    HWND window() const override { return window_.get(); }
    HWND focus_window() const override { return capturing_ ? window_.get() : list_; }
    EditorCommands commands() const override;
    void execute(EditorCommand command) override;
    std::vector<PropertyRow> properties() const override;
    void set_property(std::size_t index, const std::u16string& text, int choice) override;
    void reload(std::size_t where) override;
    void after_undo() override;
    bool takes_every_key() const override { return capturing_; }
    void commit_edits() override { commit_edit(); }

    HWND list() const { return list_; }
    std::vector<std::size_t> selected_rows() const;
    void select_rows(const std::vector<std::size_t>& rows);
    // The text the list shows in a cell.
    std::u16string cell_text(std::size_t row, Column column) const;

    // In-place editing of one cell; the editor control is a child of this window over the cell.
    void begin_edit(std::size_t row, Column column);
    HWND cell_editor() const { return cell_editor_; }
    void commit_edit();
    void cancel_edit();

    // Waits for a key stroke for the selected row; Escape gives up.
    void start_capture();
    bool capturing() const { return capturing_; }

    // The context menu the list shows on a right click, and what its commands do.
    UniqueMenu context_menu() const;
    void run_context_command(UINT command);

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept;
    void attach(HWND window) noexcept { window_.reset(window); }
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam);
    void on_exception(std::exception_ptr) noexcept {}
    void detach() noexcept { window_.release(); }

private:
    AcceleratorResourceEditor(AcceleratorTable& table, Workspace& workspace, const VirtualKeyNames& names,
                              EditorSite& site);
    static LRESULT CALLBACK cell_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                           DWORD_PTR data) noexcept;

    void create_list(HINSTANCE instance, HFONT font);
    void fill_list();
    LRESULT on_notify(const NMHDR& header);
    void on_key(WORD key);
    void on_capture_key(WPARAM key);
    void show_context_menu(LPARAM position);
    void changed(std::size_t row);
    void refused(const Status& status);
    std::optional<std::size_t> single_row() const;
    void copy_rows();
    void paste_rows();
    void delete_rows();

    AcceleratorTable& table_;
    Workspace& workspace_;
    const VirtualKeyNames& names_;
    EditorSite& site_;
    AcceleratorEditing editing_;
    UINT clipboard_format_ = 0;
    UniqueWindow window_;
    HWND list_ = nullptr;         // child of window_
    HWND cell_editor_ = nullptr;  // child of window_ while a cell is edited
    HWND cell_edit_box_ = nullptr;  // the control that takes the keys: the editor or its edit part
    std::size_t edit_row_ = 0;
    Column edit_column_ = id_column;
    HFONT font_ = nullptr;
    bool capturing_ = false;
    bool filling_ = false;
};

}  // namespace tavorin
