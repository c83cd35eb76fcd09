#pragma once
// The dialog designer: the dialog drawn as it will look on a canvas, with one real window per
// control as its preview, the selection's handles, a rubber band and snapping guides; a toolbox
// of the 24 kinds of control on the left and the layout commands in a toolbar above. Mouse and
// keys turn into calls on DesignerEditing; after every change the previews follow the model.

#include "platform/win32/windows_api.h"

#include <exception>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "dialog/designer_commands.h"
#include "dialog/designer_editing.h"
#include "platform/win32/handles.h"
#include "ui/win32/resource_editor.h"

namespace tavorin {

class Workspace;

class DialogDesigner : public ResourceEditor {
public:
    static constexpr const wchar_t* class_name = L"TavorinDialogDesigner";
    static constexpr const wchar_t* canvas_class_name = L"TavorinDesignerCanvas";
    // Where the dialog's frame starts on the canvas, in pixels.
    static constexpr int frame_offset = 16;

    static std::unique_ptr<DialogDesigner> create(Dialog& dialog, Workspace& workspace, DesignerSettings& settings,
                                                  ControlClipboard& clipboard, EditorSite& site, HWND area,
                                                  HINSTANCE instance, HFONT font);
    ~DialogDesigner() override;

    Resource& resource() const override { return dialog_; }
    HWND window() const override { return window_.get(); }
    HWND focus_window() const override { return canvas_; }
    EditorCommands commands() const override;
    void execute(EditorCommand command) override;
    std::vector<PropertyRow> properties() const override;
    void set_property(std::size_t index, const std::u16string& text, int choice) override;
    void reload(std::size_t where) override;
    void after_undo() override;

    HWND canvas() const { return canvas_; }
    HWND toolbox() const { return toolbox_; }
    HWND toolbar() const { return toolbar_; }
    // The toolbox's tooltips: one tool per item, identified by the item's index.
    HWND toolbox_tips() const { return toolbox_tips_; }
    // The canvas pixel where the dialog's client area starts.
    POINT client_origin() const { return origin_; }
    HWND preview_of(std::int32_t key) const;
    const DesignerSelection& selection() const { return selection_; }
    void select(const std::vector<std::int32_t>& keys);
    DesignerEditing& editing() { return editing_; }
    // The dots per inch the dialog's font is made for (the screen's until set): the base units,
    // the previews and the canvas follow it.
    int dpi() const { return dpi_; }
    void set_dpi(int dpi);

    // A command of the toolbar or a context menu; for align and centre commands, `mode` is the
    // toolbar drop-down's choice.
    void run_command(std::uint16_t command, LayoutMode mode = LayoutMode::direct);
    bool command_enabled(std::uint16_t command) const;
    // The toolbox's choice: none for the pointer.
    void choose_tool(std::optional<ControlKind> kind);
    std::optional<ControlKind> tool() const { return tool_; }
    // The test window while Test Dialog runs, else null.
    static HWND running_test() { return running_test_; }
    void run_test_dialog();

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept;
    static LRESULT CALLBACK canvas_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept;
    static LRESULT CALLBACK toolbox_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                              DWORD_PTR data) noexcept;
    void attach(HWND window) noexcept { window_.reset(window); }
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam);
    void on_exception(std::exception_ptr) noexcept {}
    void detach() noexcept { window_.release(); }

private:
    DialogDesigner(Dialog& dialog, Workspace& workspace, DesignerSettings& settings, ControlClipboard& clipboard,
                   EditorSite& site);

    // A press that moves less than this is a click.
    static constexpr int drag_threshold = 3;

    enum class ToolboxDrag { none, pressed, dragging };
    enum class Drag { none, moving, resizing, rubber_band, placing };
    struct Preview {
        UniqueIcon icon;  // an ICON control's image; goes after its window
        UniqueWindow window;
        ControlStyles styles;
        std::u16string text;
        std::u16string window_class;
        // Where the window is on the canvas, in pixels.
        DialogRect placed;
    };
    // A drag moves the preview windows of at most this many controls along with the mouse; a
    // larger selection is drawn as outlines until it is dropped, as moving many windows at every
    // mouse move lags.
    static constexpr std::size_t live_drag_limit = 16;
    bool live_drag() const { return selection_.size() <= live_drag_limit; }

    void create_children(HINSTANCE instance);
    void create_toolbar(HINSTANCE instance);
    void create_toolbox(HINSTANCE instance);
    void place_toolbox_tips();
    void measure_toolbox_item(MEASUREITEMSTRUCT& item) const;
    void draw_toolbox_item(const DRAWITEMSTRUCT& item) const;
    std::optional<LRESULT> on_toolbox(UINT message, WPARAM wparam, LPARAM lparam);
    std::optional<POINT> toolbox_drop_point(POINT toolbox_point) const;
    // One "Create Control" step; the toolbox goes back to the pointer unless `keep_kind`.
    void place_new_control(ControlKind kind, const DialogRect& rect, bool keep_kind);
    void layout_children();
    void measure_dialog_font();
    // Measures again when the font or the frame's styles changed.
    void refresh_frame();
    void sync_previews();
    HWND create_preview(const Control& control);
    // Moves the window unless it is there already.
    void place_preview(Preview& preview, const DialogRect& pixels, bool redraw = false);
    void place_preview_of(std::int32_t key, const DialogRect& pixels);
    void update_toolbar();

    LRESULT on_canvas(UINT message, WPARAM wparam, LPARAM lparam);
    void paint(HDC dc);
    void on_button_down(POINT point, bool control_key);
    void on_mouse_move(POINT point, bool control_key);
    void on_button_up(POINT point, bool control_key);
    void on_double_click(POINT point);
    void on_key(WPARAM key);
    void show_context_menu(POINT screen);
    void show_layout_menu(std::uint16_t command, const RECT& button);
    void draw_drag_frame();

    Control* control_at(POINT canvas_point) const;
    std::optional<Handle> primary_handle_at(POINT canvas_point) const;
    DialogRect canvas_rect(const DialogRect& units) const;

    void changed();
    void selection_changed();
    void refused(const Error& error);

    Dialog& dialog_;
    Workspace& workspace_;
    DesignerSettings& settings_;
    ControlClipboard& clipboard_;
    EditorSite& site_;
    DesignerSelection selection_;
    DesignerEditing editing_;
    UniqueWindow window_;
    HWND canvas_ = nullptr;
    HWND toolbox_ = nullptr;
    HWND toolbar_ = nullptr;
    HWND toolbox_tips_ = nullptr;
    int toolbox_icon_size_ = 16;
    ToolboxDrag toolbox_drag_ = ToolboxDrag::none;
    POINT toolbox_press_{};
    HFONT ui_font_ = nullptr;
    UniqueFont dialog_font_;
    UniqueLibrary rich_edit_;
    POINT origin_{frame_offset, frame_offset};
    int dpi_ = 0;
    DialogFont measured_font_;
    std::uint32_t measured_style_ = 0;
    std::uint32_t measured_extended_style_ = 0;
    std::map<std::int32_t, Preview> previews_;
    std::optional<ControlKind> tool_;

    // The drag in progress.
    Drag drag_ = Drag::none;
    POINT drag_start_{};
    POINT drag_now_{};
    Offset drag_offset_;
    bool drag_moved_ = false;
    std::vector<GuideLine> guides_;
    Handle drag_handle_ = Handle::top_left;
    DialogRect drag_rect_;
    bool frame_drawn_ = false;
    RECT drawn_frame_{};

    static HWND running_test_;
};

}  // namespace tavorin
