#include "resources/image/win32/pixel_view.h"

#include <windowsx.h>

#include <algorithm>

#include "platform/win32/bound_window.h"
#include "platform/win32/window_class.h"
#include "resources/image/zoomed_image_view.h"

namespace tavorin {
namespace {

bool register_view_class(HINSTANCE instance) {
    WindowClass description{PixelView::class_name, PixelView::procedure, CS_DBLCLKS};
    description.cursor = IDC_CROSS;
    return register_window_class(instance, description);
}

int clamp_scroll(int position, std::int64_t extent, int page) {
    const std::int64_t most = std::max<std::int64_t>(0, extent - page);
    return static_cast<int>(std::clamp<std::int64_t>(position, 0, most));
}

}  // namespace

LRESULT CALLBACK PixelView::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    return bound_window_procedure<PixelView>(window, message, wparam, lparam);
}

std::unique_ptr<PixelView> PixelView::create(HWND parent, HINSTANCE instance, PixelEditing& editing,
                                             const ImageEditorSettings& settings, Callbacks callbacks) {
    if (!register_view_class(instance)) return nullptr;
    std::unique_ptr<PixelView> view(new PixelView(editing, settings, std::move(callbacks)));
    if (CreateWindowExW(WS_EX_CLIENTEDGE, class_name, nullptr, WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, 0, 0,
                        0, 0, parent, nullptr, instance, view.get()) == nullptr) {
        return nullptr;
    }
    view->image_changed();
    return view;
}

void PixelView::image_changed() {
    shown_ = editing_.loaded() ? editing_.image().shown_pixels() : Pixels();
    update_scroll_bars();
    InvalidateRect(window_.get(), nullptr, FALSE);
}

void PixelView::set_zoom(int zoom) {
    if (zoom < 1) zoom = 1;
    // Keep the pixel at the top left corner where it was.
    scroll_x_ = scroll_x_ / zoom_ * zoom;
    scroll_y_ = scroll_y_ / zoom_ * zoom;
    zoom_ = zoom;
    update_scroll_bars();
    InvalidateRect(window_.get(), nullptr, FALSE);
}

void PixelView::set_marker(std::optional<PixelPoint> marker) {
    marker_ = marker;
    InvalidateRect(window_.get(), nullptr, FALSE);
}

POINT PixelView::client_point_of(PixelPoint pixel) const {
    return POINT{pixel.x * zoom_ + zoom_ / 2 + image_view_margin - scroll_x_,
                 pixel.y * zoom_ + zoom_ / 2 + image_view_margin - scroll_y_};
}

void PixelView::update_scroll_bars() {
    RECT client{};
    GetClientRect(window_.get(), &client);
    const std::int64_t extents[2] = {zoomed_extent(shown_.width, zoom_), zoomed_extent(shown_.height, zoom_)};
    const int pages[2] = {static_cast<int>(client.right), static_cast<int>(client.bottom)};
    scroll_x_ = clamp_scroll(scroll_x_, extents[0], pages[0]);
    scroll_y_ = clamp_scroll(scroll_y_, extents[1], pages[1]);
    const int positions[2] = {scroll_x_, scroll_y_};
    for (int bar : {SB_HORZ, SB_VERT}) {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMin = 0;
        info.nMax = static_cast<int>(std::min<std::int64_t>(extents[bar] - 1, 0x7FFFFFFF));
        info.nPage = static_cast<UINT>(std::max(0, pages[bar]));
        info.nPos = positions[bar];
        SetScrollInfo(window_.get(), bar, &info, TRUE);
    }
}

void PixelView::scroll_to(int x, int y) {
    scroll_x_ = x;
    scroll_y_ = y;
    update_scroll_bars();
    InvalidateRect(window_.get(), nullptr, FALSE);
}

void PixelView::on_scroll(int bar, WORD request) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(window_.get(), bar, &info);
    int position = bar == SB_HORZ ? scroll_x_ : scroll_y_;
    const int line = std::max(zoom_, 16);
    switch (request) {
        case SB_LINEUP: position -= line; break;
        case SB_LINEDOWN: position += line; break;
        case SB_PAGEUP: position -= static_cast<int>(info.nPage); break;
        case SB_PAGEDOWN: position += static_cast<int>(info.nPage); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: position = info.nTrackPos; break;
        case SB_TOP: position = 0; break;
        case SB_BOTTOM: position = info.nMax; break;
        default: return;
    }
    if (bar == SB_HORZ) {
        scroll_to(position, scroll_y_);
    } else {
        scroll_to(scroll_x_, position);
    }
}

void PixelView::paint(HDC dc) {
    RECT client{};
    GetClientRect(window_.get(), &client);
    ZoomedView view{zoom_, scroll_x_, scroll_y_, static_cast<int>(client.right), static_cast<int>(client.bottom)};
    if (editing_.loaded()) {
        const EditableImage& image = editing_.image();
        view.has_transparency = image.has_mask();
        view.inverting_mask = image.has_mask() && image.bit_count() < 32;
    }
    const std::vector<std::uint32_t> screen = render_zoomed_view(shown_, view, settings_);
    pixels_painted_ = screen.size();
    if (screen.empty()) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = view.width;
    info.bmiHeader.biHeight = -view.height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(view.width), static_cast<DWORD>(view.height), 0, 0, 0,
                      static_cast<UINT>(view.height), screen.data(), &info, DIB_RGB_COLORS);
    if (marker_) {
        const POINT centre = client_point_of(*marker_);
        const int half = std::max(4, zoom_);
        UniquePen pen(CreatePen(PS_SOLID, 1, RGB(255, 0, 0)));
        SelectedObject selected(dc, pen.get());
        MoveToEx(dc, centre.x - half, centre.y, nullptr);
        LineTo(dc, centre.x + half + 1, centre.y);
        MoveToEx(dc, centre.x, centre.y - half, nullptr);
        LineTo(dc, centre.x, centre.y + half + 1);
    }
}

void PixelView::show_changes(const std::vector<PixelChange>& changes) {
    if (changes.empty()) return;
    const EditableImage& image = editing_.image();
    std::uint32_t left = UINT32_MAX, top = UINT32_MAX, right = 0, bottom = 0;
    for (const PixelChange& change : changes) {
        shown_.at(change.x, change.y) = image.shown_color(change.x, change.y);
        left = std::min(left, change.x);
        top = std::min(top, change.y);
        right = std::max(right, change.x);
        bottom = std::max(bottom, change.y);
    }
    const POINT a = client_point_of(PixelPoint{static_cast<int>(left), static_cast<int>(top)});
    const POINT b = client_point_of(PixelPoint{static_cast<int>(right), static_cast<int>(bottom)});
    RECT area{a.x - zoom_, a.y - zoom_, b.x + zoom_ + 1, b.y + zoom_ + 1};
    InvalidateRect(window_.get(), &area, FALSE);
}

void PixelView::button_down(int x, int y) {
    SetFocus(window_.get());
    if (!editing_.loaded()) return;
    const EditableImage& image = editing_.image();
    const auto pixel = pixel_under_mouse(scroll_x_, scroll_y_, x, y, zoom_, image.width(), image.height());
    if (!pixel) return;
    if (editing_.tool == PixelTool::pen) SetCapture(window_.get());
    show_changes(editing_.press(*pixel));
    if (!editing_.stroke_open() && !editing_.error.empty() && callbacks_.failed) {
        callbacks_.failed(editing_.error);
        editing_.error.clear();
        image_changed();
    }
}

void PixelView::mouse_move(int x, int y) {
    if (editing_.loaded() && callbacks_.hover) {
        const EditableImage& image = editing_.image();
        callbacks_.hover(pixel_under_mouse(scroll_x_, scroll_y_, x, y, zoom_, image.width(), image.height()));
    }
    if (!editing_.stroke_open() || GetCapture() != window_.get()) return;
    show_changes(editing_.drag(mouse_to_pixel(scroll_x_, scroll_y_, x, y, zoom_)));
}

void PixelView::button_up() {
    if (GetCapture() == window_.get()) ReleaseCapture();
    if (!editing_.stroke_open()) return;
    if (!editing_.release() && callbacks_.failed) {
        callbacks_.failed(editing_.error);
        editing_.error.clear();
        image_changed();
    }
}

LRESULT PixelView::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
    HWND window = window_.get();
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint_info{};
            HDC dc = BeginPaint(window, &paint_info);
            paint(dc);
            EndPaint(window, &paint_info);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_SIZE:
            update_scroll_bars();
            InvalidateRect(window, nullptr, FALSE);
            return 0;
        case WM_HSCROLL:
            on_scroll(SB_HORZ, LOWORD(wparam));
            return 0;
        case WM_VSCROLL:
            on_scroll(SB_VERT, LOWORD(wparam));
            return 0;
        case WM_MOUSEWHEEL: {
            const int delta = GET_WHEEL_DELTA_WPARAM(wparam);
            scroll_to(scroll_x_, scroll_y_ - delta / WHEEL_DELTA * 3 * std::max(zoom_, 16));
            return 0;
        }
        case WM_LBUTTONDOWN:
            button_down(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam));
            return 0;
        case WM_MOUSEMOVE:
            mouse_move(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam));
            return 0;
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            button_up();
            return 0;
        case WM_RBUTTONDOWN:
            if (editing_.loaded() && callbacks_.right_click) {
                const EditableImage& image = editing_.image();
                if (const auto pixel = pixel_under_mouse(scroll_x_, scroll_y_, GET_X_LPARAM(lparam),
                                                         GET_Y_LPARAM(lparam), zoom_, image.width(), image.height())) {
                    callbacks_.right_click(*pixel);
                }
            }
            return 0;
        default:
            return DefWindowProcW(window, message, wparam, lparam);
    }
}

}  // namespace tavorin
