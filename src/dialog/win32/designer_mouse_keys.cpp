#include "dialog/win32/dialog_designer.h"

// The designer canvas's input: what a press, a drag, a release, a double click or a key does.

#include <windowsx.h>

#include <algorithm>
#include <cstdlib>

#include "model/workspace.h"
#include "services/string_ids.h"

namespace tavorin {

namespace {

bool key_down(int key) { return (GetKeyState(key) & 0x8000) != 0; }

}  // namespace

LRESULT DialogDesigner::on_canvas(UINT message, WPARAM wparam, LPARAM lparam) {
    const POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint_info{};
            HDC dc = BeginPaint(canvas_, &paint_info);
            paint(dc);
            EndPaint(canvas_, &paint_info);
            frame_drawn_ = false;
            // Transparent previews (group boxes, pictures, animations) are not clipped out of
            // the canvas, so its painting covered them: they draw themselves again on top.
            for (const auto& [key, preview] : previews_) {
                if (!preview.window || (GetWindowLongPtrW(preview.window.get(), GWL_EXSTYLE) & WS_EX_TRANSPARENT) == 0) {
                    continue;
                }
                RECT box{};
                GetWindowRect(preview.window.get(), &box);
                MapWindowPoints(nullptr, canvas_, reinterpret_cast<POINT*>(&box), 2);
                RECT common{};
                if (IntersectRect(&common, &box, &paint_info.rcPaint)) {
                    RedrawWindow(preview.window.get(), nullptr, nullptr,
                                 RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
                }
            }
            return 0;
        }
        case WM_ERASEBKGND: return 1;
        case WM_GETDLGCODE: return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
        case WM_LBUTTONDOWN: on_button_down(point, (wparam & MK_CONTROL) != 0); return 0;
        case WM_MOUSEMOVE: on_mouse_move(point, (wparam & MK_CONTROL) != 0); return 0;
        case WM_LBUTTONUP: on_button_up(point, (wparam & MK_CONTROL) != 0); return 0;
        case WM_LBUTTONDBLCLK: on_double_click(point); return 0;
        case WM_RBUTTONDOWN: {
            SetFocus(canvas_);
            drag_start_ = point;
            Control* hit = control_at(point);
            if (hit != nullptr && !selection_.contains(hit->unique_key())) {
                selection_.select_only(hit->unique_key());
                selection_changed();
            } else if (hit == nullptr && !selection_.empty()) {
                selection_.clear();
                selection_changed();
            }
            return 0;
        }
        case WM_RBUTTONUP: {
            POINT screen = point;
            ClientToScreen(canvas_, &screen);
            show_context_menu(screen);
            return 0;
        }
        case WM_CAPTURECHANGED:
            if (drag_ != Drag::none && reinterpret_cast<HWND>(lparam) != canvas_) {
                draw_drag_frame();
                drag_ = Drag::none;
                sync_previews();
            }
            return 0;
        case WM_KEYDOWN: on_key(wparam); return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS: InvalidateRect(canvas_, nullptr, FALSE); return 0;
        default: break;
    }
    return DefWindowProcW(canvas_, message, wparam, lparam);
}


Control* DialogDesigner::control_at(POINT point) const {
    // The end of the list is in front.
    const auto& controls = dialog_.controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        const DialogRect pixels = canvas_rect((*it)->rect());
        if (point.x >= pixels.x && point.x < pixels.x + pixels.width && point.y >= pixels.y &&
            point.y < pixels.y + pixels.height) {
            return it->get();
        }
    }
    return nullptr;
}

std::optional<Handle> DialogDesigner::primary_handle_at(POINT point) const {
    const Control* primary = selection_.primary_control(dialog_);
    if (primary == nullptr) return std::nullopt;
    const auto boxes = handle_boxes(canvas_rect(primary->rect()));
    const ResizeDirections directions = resize_directions(*primary);
    for (int h = 0; h < handle_count; ++h) {
        if (boxes[h].contains(point.x, point.y) && handle_active(static_cast<Handle>(h), directions)) {
            return static_cast<Handle>(h);
        }
    }
    return std::nullopt;
}

void DialogDesigner::draw_drag_frame() {
    if (!frame_drawn_) return;
    HDC dc = GetDCEx(canvas_, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
    DrawFocusRect(dc, &drawn_frame_);
    ReleaseDC(canvas_, dc);
    frame_drawn_ = false;
}

void DialogDesigner::on_button_down(POINT point, bool control_key) {
    SetFocus(canvas_);
    drag_start_ = point;
    drag_now_ = point;
    drag_offset_ = Offset{};
    drag_moved_ = false;
    guides_.clear();
    if (tool_) {
        drag_ = Drag::placing;
        SetCapture(canvas_);
        return;
    }
    if (const auto handle = primary_handle_at(point)) {
        drag_ = Drag::resizing;
        drag_handle_ = *handle;
        drag_rect_ = selection_.primary_control(dialog_)->rect();
        SetCapture(canvas_);
        return;
    }
    if (Control* hit = control_at(point)) {
        const std::int32_t key = hit->unique_key();
        if (control_key) {
            selection_.toggle(key);
        } else if (!selection_.contains(key)) {
            selection_.select_only(key);
        } else {
            selection_.make_primary(key);
        }
        selection_changed();
        if (selection_.contains(key)) {
            drag_ = Drag::moving;
            SetCapture(canvas_);
        }
        return;
    }
    if (!control_key && !selection_.empty()) {
        selection_.clear();
        selection_changed();
    }
    drag_ = Drag::rubber_band;
    SetCapture(canvas_);
}

void DialogDesigner::on_mouse_move(POINT point, bool control_key) {
    if (drag_ == Drag::none) return;
    drag_now_ = point;
    const BaseUnits& base = dialog_.base_units();
    switch (drag_) {
        case Drag::moving: {
            const Control* primary = selection_.primary_control(dialog_);
            if (primary == nullptr) return;
            // A click is no move, even onto the grid.
            if (!drag_moved_ && std::abs(point.x - drag_start_.x) < drag_threshold &&
                std::abs(point.y - drag_start_.y) < drag_threshold) {
                return;
            }
            drag_moved_ = true;
            const std::vector<Control*> selected = selection_.controls(dialog_);
            std::vector<DialogRect> others;
            for (const auto& control : dialog_.controls()) {
                if (!selection_.contains(control->unique_key())) others.push_back(control->rect());
            }
            const DialogRect start = to_pixels(primary->rect(), base);
            const std::int32_t target_x = horizontal_units(start.x + point.x - drag_start_.x, base);
            const std::int32_t target_y = vertical_units(start.y + point.y - drag_start_.y, base);
            const DragResult result =
                drag_selection(target_x, target_y, primary->rect(), *selection_bounds(selected), others,
                               DialogSize{dialog_.rect().width, dialog_.rect().height}, settings_, control_key);
            if (result.offset == drag_offset_ && result.guides == guides_) return;
            drag_offset_ = result.offset;
            guides_ = result.guides;
            if (live_drag()) {
                for (const Control* control : selected) {
                    DialogRect moved = control->rect();
                    moved.x += drag_offset_.dx;
                    moved.y += drag_offset_.dy;
                    place_preview_of(control->unique_key(), canvas_rect(moved));
                }
            }
            InvalidateRect(canvas_, nullptr, FALSE);
            return;
        }
        case Drag::resizing: {
            const Control* primary = selection_.primary_control(dialog_);
            if (primary == nullptr) return;
            const std::int32_t dx = horizontal_units(point.x - drag_start_.x, base);
            const std::int32_t dy = vertical_units(point.y - drag_start_.y, base);
            drag_rect_ = resize_by_handle(primary->rect(), drag_handle_, dx, dy,
                                          DialogSize{primary->minimum_width(), primary->minimum_height()});
            place_preview_of(primary->unique_key(), canvas_rect(drag_rect_));
            InvalidateRect(canvas_, nullptr, FALSE);
            return;
        }
        case Drag::rubber_band:
        case Drag::placing: {
            draw_drag_frame();
            drawn_frame_ = RECT{std::min(drag_start_.x, point.x), std::min(drag_start_.y, point.y),
                                std::max(drag_start_.x, point.x), std::max(drag_start_.y, point.y)};
            HDC dc = GetDCEx(canvas_, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
            DrawFocusRect(dc, &drawn_frame_);
            ReleaseDC(canvas_, dc);
            frame_drawn_ = true;
            return;
        }
        case Drag::none: return;
    }
}

void DialogDesigner::on_button_up(POINT point, bool control_key) {
    if (drag_ == Drag::none) return;
    on_mouse_move(point, control_key);
    const Drag drag = drag_;
    drag_ = Drag::none;
    draw_drag_frame();
    guides_.clear();
    if (GetCapture() == canvas_) ReleaseCapture();
    const BaseUnits& base = dialog_.base_units();
    switch (drag) {
        case Drag::moving:
            if (editing_.move_selection(drag_offset_)) changed();
            else selection_changed();
            break;
        case Drag::resizing: {
            const Control* primary = selection_.primary_control(dialog_);
            if (primary != nullptr && editing_.resize_control(primary->unique_key(), drag_rect_)) changed();
            else sync_previews();
            break;
        }
        case Drag::rubber_band: {
            const RECT band{std::min(drag_start_.x, point.x), std::min(drag_start_.y, point.y),
                            std::max(drag_start_.x, point.x), std::max(drag_start_.y, point.y)};
            for (const auto& control : dialog_.controls()) {
                const DialogRect pixels = canvas_rect(control->rect());
                const RECT box{pixels.x, pixels.y, pixels.x + pixels.width, pixels.y + pixels.height};
                RECT common{};
                if (IntersectRect(&common, &box, &band)) selection_.add(control->unique_key());
            }
            selection_changed();
            break;
        }
        case Drag::placing: {
            const bool clicked = std::abs(point.x - drag_start_.x) < drag_threshold &&
                                 std::abs(point.y - drag_start_.y) < drag_threshold;
            const std::int32_t x = horizontal_units(std::min(drag_start_.x, point.x) - origin_.x, base);
            const std::int32_t y = vertical_units(std::min(drag_start_.y, point.y) - origin_.y, base);
            DialogRect rect{x, y, -1, -1};
            if (!clicked) {
                rect.width = horizontal_units(std::abs(point.x - drag_start_.x), base);
                rect.height = vertical_units(std::abs(point.y - drag_start_.y), base);
            }
            place_new_control(*tool_, rect, control_key);
            break;
        }
        case Drag::none: break;
    }
}

void DialogDesigner::place_new_control(ControlKind kind, const DialogRect& rect, bool keep_kind) {
    if (!keep_kind) choose_tool(std::nullopt);
    auto placed = editing_.place_control(kind, rect);
    if (!placed) {
        refused(Error{placed.error()});
    } else if (*placed == nullptr) {
        refused(Error{workspace_.text(str::control_creation_error)});
    }
    changed();
}

void DialogDesigner::on_double_click(POINT point) {
    if (const auto handle = primary_handle_at(point)) {
        if (editing_.align_caption(*handle)) changed();
    }
}

void DialogDesigner::on_key(WPARAM key) {
    const bool shift = key_down(VK_SHIFT);
    const bool control = key_down(VK_CONTROL);
    const auto arrow = [&](ArrowKey direction) {
        if (editing_.arrow_key(direction, control, shift)) changed();
    };
    switch (key) {
        case VK_LEFT: arrow(ArrowKey::left); break;
        case VK_RIGHT: arrow(ArrowKey::right); break;
        case VK_UP: arrow(ArrowKey::up); break;
        case VK_DOWN: arrow(ArrowKey::down); break;
        case VK_TAB:
            selection_.tab(dialog_, shift);
            selection_changed();
            break;
        case VK_DELETE: run_command(designer_command::clear); break;
        case VK_F5: run_command(designer_command::test_dialog); break;
        case VK_ESCAPE:
            if (drag_ == Drag::rubber_band || drag_ == Drag::placing) {
                draw_drag_frame();
                drag_ = Drag::none;
                ReleaseCapture();
            }
            break;
        default: break;
    }
}

}  // namespace tavorin
