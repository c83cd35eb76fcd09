#pragma once
// The zoomed view of one image in the image editor: draws the part in sight (so a huge bitmap
// scrolls freely), and turns the mouse into pen strokes and fills through PixelEditing. A cursor
// image's hot spot is set by clicking it with the right button.

#include "platform/win32/windows_api.h"

#include <exception>
#include <functional>
#include <memory>

#include "platform/win32/handles.h"
#include "resources/image/image_editor_settings.h"
#include "resources/image/pixel_editing.h"

namespace tavorin {

class PixelView {
public:
    static constexpr const wchar_t* class_name = L"TavorinPixelView";

    struct Callbacks {
        // A stroke or fill failed to store; the message for the user.
        std::function<void(const std::u16string&)> failed;
        // The right button clicked a pixel (cursor hot spots).
        std::function<void(PixelPoint)> right_click;
        // The pixel under the mouse, for the status line.
        std::function<void(std::optional<PixelPoint>)> hover;
    };

    static std::unique_ptr<PixelView> create(HWND parent, HINSTANCE instance, PixelEditing& editing,
                                             const ImageEditorSettings& settings, Callbacks callbacks);
    ~PixelView() = default;

    HWND window() const { return window_.get(); }

    // The image changed outside the view (an undo, another image chosen): show it again.
    void image_changed();
    int zoom() const { return zoom_; }
    void set_zoom(int zoom);
    POINT scroll() const { return POINT{scroll_x_, scroll_y_}; }
    void scroll_to(int x, int y);
    // Screen pixels computed by the last paint; the view's size, not the image's.
    std::size_t pixels_painted() const { return pixels_painted_; }
    // Where the middle of an image pixel is in client coordinates.
    POINT client_point_of(PixelPoint pixel) const;
    // A marker drawn over the image (a cursor's hot spot); none hides it.
    void set_marker(std::optional<PixelPoint> marker);

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept;
    void attach(HWND window) noexcept { window_.reset(window); }
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam);
    void on_exception(std::exception_ptr) noexcept {}
    void detach() noexcept { window_.release(); }

private:
    PixelView(PixelEditing& editing, const ImageEditorSettings& settings, Callbacks callbacks)
        : editing_(editing), settings_(settings), callbacks_(std::move(callbacks)) {}

    void paint(HDC dc);
    void update_scroll_bars();
    void on_scroll(int bar, WORD request);
    void show_changes(const std::vector<PixelChange>& changes);
    void button_down(int x, int y);
    void mouse_move(int x, int y);
    void button_up();

    PixelEditing& editing_;
    const ImageEditorSettings& settings_;
    Callbacks callbacks_;
    UniqueWindow window_;
    Pixels shown_;
    int zoom_ = 1;
    int scroll_x_ = 0;
    int scroll_y_ = 0;
    std::size_t pixels_painted_ = 0;
    std::optional<PixelPoint> marker_;
};

}  // namespace tavorin
