#pragma once
// The editor of bitmaps and of icon and cursor groups. Above, the tool strip ("Fill", "Pen", the
// "Zoom" drop-down and the options) and the colour strip (the palette of 1-, 4- and 8-bit images,
// common colours and a colour dialog for 24- and 32-bit ones, the transparent colour of icons);
// below, the zoomed pixel view. A group shows its images on the left, each with a preview and
// its size and colour depth; the chosen one is edited. The grid shows the image's properties,
// the current colour, a cursor's hot spot, and the file commands.

#include "platform/win32/windows_api.h"

#include <exception>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/handles.h"
#include "resources/image/group_editing.h"
#include "resources/image/image_editor_settings.h"
#include "resources/image/pixel_editing.h"
#include "resources/image/win32/pixel_view.h"
#include "ui/win32/resource_editor.h"

namespace tavorin {

class BitmapResource;
class Workspace;

struct ImageEditorServices {
    // A message to the user; `error` picks the icon.
    std::function<void(std::u16string_view message, bool error)> tell;
    // The file dialogs, with a filter of the open-file dialog's form; the save dialog proposes a name.
    std::function<std::optional<std::filesystem::path>(const std::u16string& filter)> choose_file_to_open;
    std::function<std::optional<std::filesystem::path>(const std::u16string& filter, const std::u16string& name)>
        choose_file_to_save;
    // The colour dialog, with red in the lowest byte; none when cancelled.
    std::function<std::optional<std::uint32_t>(std::uint32_t initial)> choose_color;
    // The folder relative file paths start at (the script's).
    std::filesystem::path content_folder;
    // The options dialog; true when it changed the settings.
    std::function<bool(ImageEditorSettings& settings)> edit_options;
};

class ImageResourceEditor : public ResourceEditor {
public:
    static constexpr const wchar_t* class_name = L"TavorinImageEditor";
    // The tool strip's commands.
    enum Command : UINT {
        fill_command = 1,
        pen_command,
        zoom_command,
        options_command,
        zoom_menu_first = 100,  // 1x, 2x, ... as zoom_levels
    };

    static std::unique_ptr<ImageResourceEditor> create(BitmapResource& bitmap, Workspace& workspace, EditorSite& site,
                                                       HWND area, HINSTANCE instance, HFONT font,
                                                       ImageEditorSettings& settings, ImageEditorServices services);
    static std::unique_ptr<ImageResourceEditor> create(IconGroup& group, Workspace& workspace, EditorSite& site,
                                                       HWND area, HINSTANCE instance, HFONT font,
                                                       ImageEditorSettings& settings, ImageEditorServices services);
    ~ImageResourceEditor() override;

    Resource& resource() const override { return resource_; }
    HWND window() const override { return window_.get(); }
    HWND focus_window() const override { return view_ ? view_->window() : window_.get(); }
    EditorCommands commands() const override { return {}; }
    void execute(EditorCommand) override {}
    std::vector<PropertyRow> properties() const override;
    void set_property(std::size_t index, const std::u16string& text, int choice) override;
    void property_button(std::size_t index) override;
    void reload(std::size_t where) override;
    void after_undo() override { reload(0); }

    PixelView& view() const { return *view_; }
    PixelEditing& editing() { return *editing_; }
    HWND tool_strip() const { return tools_; }
    HWND image_list() const { return list_; }
    // The message shown instead of the image when it cannot be edited; empty otherwise.
    const std::u16string& load_error() const { return load_error_; }

    void select_tool(PixelTool tool);
    void set_zoom(int zoom);
    // The zoom menu of the tool strip, its current level checked.
    UniqueMenu zoom_menu() const;
    void run_command(UINT command);

    // The colour strip: swatch i of what it offers (see swatch_count); picking one makes it the
    // current colour.
    std::size_t swatch_count() const;
    RECT swatch_rect(std::size_t index) const;
    void pick_swatch(std::size_t index);
    // A double click on a palette swatch: the colour dialog changes that palette entry.
    void edit_palette_color(std::size_t index);
    // The file property: a typed path is checked and its picture taken at once (bitmaps); the
    // path kind names the same file relative to the script's folder or from the root.
    bool set_file_path(const std::u16string& text);
    void set_path_kind(bool absolute);

    // Groups: the image edited, and the list's operations.
    std::size_t selected_image() const { return selected_; }
    void select_image(std::size_t index);
    bool add_image_from(const std::filesystem::path& path);
    void remove_selected_image();
    void move_selected_image(int step);
    bool set_hotspot(std::int64_t x, std::int64_t y);

    // Bitmaps: the picture from a .bmp file (one undo step); both: the content out to a file.
    bool replace_from(const std::filesystem::path& path, std::optional<std::u16string> name = std::nullopt);
    bool export_to(const std::filesystem::path& path);

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept;
    void attach(HWND window) noexcept { window_.reset(window); }
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam);
    void on_exception(std::exception_ptr) noexcept {}
    void detach() noexcept { window_.release(); }

private:
    enum class RowId {
        image_category, width, height, bit_count, compression, color, alpha, transparent, x_hotspot, y_hotspot,
        file_category, file_path, path_kind, replace, add_image, remove_image, move_up, move_down, export_file,
    };

    ImageResourceEditor(Resource& resource, BitmapResource* bitmap, IconGroup* group, Workspace& workspace,
                        EditorSite& site, ImageEditorSettings& settings, ImageEditorServices services);
    static std::unique_ptr<ImageResourceEditor> finish_create(std::unique_ptr<ImageResourceEditor> editor, HWND area,
                                                              HINSTANCE instance, HFONT font);
    void create_tool_strip(HINSTANCE instance, HFONT font);
    void layout();
    void fill_list();
    void draw_list_item(const DRAWITEMSTRUCT& item);
    void paint_colors(HDC dc);
    int color_strip_height() const;
    RECT color_strip_rect() const;
    void open_image();
    void update_tool_buttons();
    void update_marker();
    void changed();
    void show_hover(std::optional<PixelPoint> pixel);
    std::u16string color_text() const;
    void set_color_text(const std::u16string& text);
    void choose_true_color();
    const IconImage* current_icon_image() const;

    Resource& resource_;
    BitmapResource* bitmap_;
    IconGroup* group_;
    Workspace& workspace_;
    EditorSite& site_;
    ImageEditorSettings& settings_;
    ImageEditorServices services_;
    std::unique_ptr<GroupEditing> group_editing_;
    std::unique_ptr<PixelEditing> editing_;
    std::unique_ptr<PixelView> view_;
    UniqueWindow window_;
    HWND tools_ = nullptr;  // children of window_
    HWND list_ = nullptr;
    HFONT font_ = nullptr;
    std::size_t selected_ = 0;
    std::u16string load_error_;
    mutable std::vector<RowId> row_ids_;
};

}  // namespace tavorin
