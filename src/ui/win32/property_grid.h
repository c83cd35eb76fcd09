#pragma once
// The property grid: a window of class "ListBoxOwner" that shows rows of names and values under
// categories that fold, with a splitter between the two columns, and edits the selected row's
// value in place: an edit box for text and numbers, a drop-down list for choices, a "..." button
// for values edited elsewhere. It holds no object: the owner fills the rows and hears of values.
//
// Keyboard: Up and Down select rows, Tab and Shift+Tab move to the next editable row, Enter
// commits the typed value, Escape puts the old one back, F4 or Alt+Down opens the drop-down.

#include "platform/win32/windows_api.h"

#include <cstddef>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/handles.h"
#include "ui/property_grid_model.h"

namespace tavorin {

class PropertyGrid {
public:
    static constexpr const wchar_t* class_name = L"ListBoxOwner";

    struct Callbacks {
        // A value typed into the edit box was committed (only when it differs).
        std::function<void(std::size_t row, const std::u16string& text)> text_committed;
        // A choice was picked from a list.
        std::function<void(std::size_t row, int choice, const std::u16string& text)> choice_picked;
        // The "..." button or a link row.
        std::function<void(std::size_t row)> button_pressed;
        // The choices of a dynamic list.
        std::function<std::vector<std::u16string>(std::size_t row)> dynamic_choices;
        std::function<void(std::optional<std::size_t> row)> selection_changed;
    };

    PropertyGrid() = default;
    PropertyGrid(const PropertyGrid&) = delete;
    PropertyGrid& operator=(const PropertyGrid&) = delete;
    ~PropertyGrid();

    bool create(HWND parent, HINSTANCE instance, HFONT font, std::u16string empty_text);
    HWND handle() const { return window_.get(); }
    // The font and row height for a screen of `dpi` dots per inch.
    void set_font(HFONT font, int dpi);
    int row_height() const { return row_height_; }

    // New rows; the selection stays on the row of the same name when there is one.
    void set_rows(std::vector<PropertyRow> rows);
    const PropertyGridModel& model() const { return model_; }
    void select(std::optional<std::size_t> row);
    std::optional<std::size_t> selected() const { return selected_; }
    void toggle_category(std::size_t row);

    // The in-place windows, for the owner's layout and for tests.
    HWND edit_box() const { return edit_; }
    HWND button() const { return button_; }
    HWND drop_list() const { return list_; }
    int splitter() const;

    void open_drop_down();
    void close_drop_down();
    // Commits the edit box's text when it changed; false when nothing was committed.
    bool commit_edit();
    void cancel_edit();

    Callbacks callbacks;

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept;
    void attach(HWND window) noexcept { window_.reset(window); }
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam);
    void on_exception(std::exception_ptr) noexcept {}
    void detach() noexcept { window_.release(); }

private:
    static LRESULT CALLBACK edit_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                           DWORD_PTR data) noexcept;
    static LRESULT CALLBACK list_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                           DWORD_PTR data) noexcept;
    bool on_edit_key(WPARAM key);
    bool on_list_key(WPARAM key);
    void pick_from_list();

    void paint(HDC dc, const RECT& client);
    void draw_row(HDC dc, const PropertyRow& row, std::size_t index, int top, int width);
    void place_editor();
    void show_editor_for_selection();
    void move_selection(int step);
    void tab(bool backwards);
    void press_button();
    void next_choice();
    std::optional<std::size_t> row_at(int y) const;
    RECT row_rect(std::size_t shown_position) const;
    int client_width() const;
    void update_scroll_bar();
    void scroll_to(int first);
    void ensure_visible(std::size_t row);
    void on_mouse_down(int x, int y);
    void on_double_click(int x, int y);

    UniqueWindow window_;
    HWND edit_ = nullptr;    // children of the grid
    HWND button_ = nullptr;
    UniqueWindow list_owner_;  // the drop-down, a popup
    HWND list_ = nullptr;
    HFONT font_ = nullptr;
    int row_height_ = property_row_height;
    UniqueFont bold_font_;
    UniqueFont link_font_;
    std::u16string empty_text_;
    PropertyGridModel model_;
    std::optional<std::size_t> selected_;
    std::u16string edit_original_;
    int first_shown_ = 0;
    bool dragging_splitter_ = false;
    bool updating_edit_ = false;
};

}  // namespace tavorin
