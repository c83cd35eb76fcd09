#pragma once
// The editor of raw data: a window that shows the bytes as rows of offset, hexadecimal digits and
// characters under an "Offset" header, and lets the user type hexadecimal digits over them. It
// draws only the rows in sight, so that a resource of many megabytes opens at once. The grid
// shows the size and links that export the bytes to a file or import them from one.

#include "platform/win32/windows_api.h"

#include <exception>
#include <memory>

#include "platform/win32/handles.h"
#include "resources/rawdata/hex_editing.h"
#include "resources/rawdata/raw_data_resource.h"
#include "resources/rawdata/win32/raw_editor_services.h"
#include "ui/win32/resource_editor.h"

namespace tavorin {

class HexResourceEditor : public ResourceEditor {
public:
    static constexpr const wchar_t* class_name = L"TavorinHexView";

    static std::unique_ptr<HexResourceEditor> create(RawDataResource& resource, EditorSite& site, HWND area,
                                                     HINSTANCE instance, HFONT font, RawEditorServices services);
    ~HexResourceEditor() override = default;

    Resource& resource() const override { return resource_; }
    HWND window() const override { return window_.get(); }
    HWND focus_window() const override { return window_.get(); }
    EditorCommands commands() const override { return {}; }
    void execute(EditorCommand) override {}
    std::vector<PropertyRow> properties() const override;
    void property_button(std::size_t index) override;
    void reload(std::size_t where) override;

    HexCaret caret() const { return caret_; }
    // The first row in sight and how many rows fit, for tests and for the painting.
    std::size_t first_row() const { return first_row_; }
    std::size_t rows_in_sight() const;
    // The first character column in sight, when the view is narrower than a row.
    int first_column() const { return first_column_; }
    // Rows drawn by the last paint.
    std::size_t rows_painted() const { return rows_painted_; }
    // Where a character column of a row lies, in client pixels.
    POINT cell_position(std::size_t offset, bool text_part) const;

    bool export_to(const std::filesystem::path& path);
    bool import_from(const std::filesystem::path& path);

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept;
    void attach(HWND window) noexcept { window_.reset(window); }
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam);
    void on_exception(std::exception_ptr) noexcept {}
    void detach() noexcept { window_.release(); }

private:
    HexResourceEditor(RawDataResource& resource, EditorSite& site, HFONT font, RawEditorServices services);
    void measure();
    void paint(HDC dc, const RECT& client);
    void type_digit(std::uint8_t digit);
    void move_caret(HexCaret caret);
    void scroll_to(std::size_t first);
    void scroll_to_column(int first);
    int columns_in_sight() const;
    int x_of_column(int column) const { return margin_ + (column - first_column_) * char_width_; }
    void update_scroll_bar();
    void click(int x, int y);
    void place_system_caret();

    RawDataResource& resource_;
    EditorSite& site_;
    HFONT font_;
    RawEditorServices services_;
    UniqueWindow window_;
    int char_width_ = 8;
    int line_height_ = 16;
    std::size_t first_row_ = 0;
    int first_column_ = 0;
    static constexpr int margin_ = 4;
    std::size_t rows_painted_ = 0;
    HexCaret caret_;
    bool text_side_ = false;  // the caret is in the character column
};

}  // namespace tavorin
