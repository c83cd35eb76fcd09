#pragma once
// The editor of a menu: the menu drawn as a menu bar with the drop-down lists of the open popups,
// a "Type here" box at the end of every list. Typing on a box edits its caption in place (on a
// "Type here" box it makes a new item); the keys move the selection, delete, insert and move
// items; the property grid shows the selected item. A preview window shows the real Win32 menu
// built from the model, kept up to date. Ctrl+F and Ctrl+H find and replace text in the captions.

#include "platform/win32/windows_api.h"
#include <commdlg.h>

#include <exception>
#include <memory>
#include <optional>
#include <string>

#include "platform/win32/handles.h"
#include "resources/menu/menu_editing.h"
#include "resources/menu/menu_layout.h"
#include "ui/win32/find_replace_box.h"
#include "ui/win32/resource_editor.h"

namespace tavorin {

class Workspace;

class MenuResourceEditor : public ResourceEditor {
public:
    static constexpr const wchar_t* class_name = L"TavorinMenuEditor";
    static constexpr const wchar_t* preview_class_name = L"TavorinMenuPreview";
    // Where the menu bar starts in the editor's window.
    static constexpr int margin = 10;

    static std::unique_ptr<MenuResourceEditor> create(Menu& menu, Workspace& workspace, EditorSite& site, HWND area,
                                                      HINSTANCE instance, HFONT font);
    ~MenuResourceEditor() override;

    Resource& resource() const override { return menu_; }
    HWND window() const override { return window_.get(); }
    HWND focus_window() const override { return window_.get(); }
    EditorCommands commands() const override;
    void execute(EditorCommand command) override;
    std::vector<PropertyRow> properties() const override;
    void set_property(std::size_t index, const std::u16string& text, int choice) override;
    void property_button(std::size_t index) override;
    void reload(std::size_t where) override;
    void after_undo() override;
    void commit_edits() override { commit_edit(); }

    const MenuPath& selection() const { return selected_; }
    void select(MenuPath path);
    // The boxes as drawn, in the window's client coordinates.
    const MenuLayout& layout() const { return layout_; }

    // In-place editing of the selected box's caption; `inserting` makes a new item before the
    // selected one instead.
    void begin_edit(std::u16string initial, bool inserting = false);
    HWND caption_editor() const { return caption_editor_; }
    void commit_edit();
    void cancel_edit();

    // The preview window with the real menu; none until shown (or after the user closed it).
    void show_preview();
    HWND preview_window() const;

    // Find and replace in the captions. The dialogs are the system's; these are what they ask.
    void open_find_dialog(bool replace);
    HWND find_dialog() const { return find_box_.window(); }
    bool find_next(const std::u16string& text, bool match_case);
    std::size_t replace_everywhere(const std::u16string& text, const std::u16string& replacement, bool match_case);

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept;
    void attach(HWND window) noexcept { window_.reset(window); }
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam);
    void on_exception(std::exception_ptr) noexcept {}
    void detach() noexcept { window_.release(); }

private:
    MenuResourceEditor(Menu& menu, Workspace& workspace, EditorSite& site, HFONT font);
    static LRESULT CALLBACK edit_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                           DWORD_PTR data) noexcept;

    void relayout();
    void changed(const MenuPath& where);
    void refresh_preview();
    void paint(HDC dc, const RECT& client);
    void draw_box(HDC dc, const MenuBox& box, bool in_bar);
    void on_key(WPARAM key);
    void on_character(wchar_t character);
    void on_click(int x, int y, bool twice);
    void on_find_request(const FindRequest& request);
    bool item_selected() const { return menu_.contains(selected_); }

    Menu& menu_;
    Workspace& workspace_;
    EditorSite& site_;
    MenuEditing editing_;
    HFONT font_;
    UniqueFont bold_font_;
    UniqueWindow window_;
    MenuPath selected_{0};
    MenuLayout layout_;
    HWND caption_editor_ = nullptr;  // child of window_ while a caption is edited
    bool inserting_ = false;
    UniqueWindow preview_;
    UniqueMenu preview_menu_;
    FindReplaceBox find_box_{FR_HIDEUPDOWN};
};

}  // namespace tavorin
