#include "dialog/designer_geometry.h"

#include <algorithm>
#include <cstdlib>

#include "dialog/control.h"

namespace tavorin {

namespace {

// Rounds toward minus infinity, as grid lines continue left of the origin.
std::int32_t floor_div(std::int32_t a, std::int32_t b) {
    const std::int32_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

bool horizontal(ArrowKey key) { return key == ArrowKey::left || key == ArrowKey::right; }
bool forwards(ArrowKey key) { return key == ArrowKey::right || key == ArrowKey::down; }

// One step of the arrow key along its axis, from `position` with grid lines at origin + n * step.
std::int32_t grid_move(std::int32_t position, std::int32_t origin, std::int32_t step, bool forward) {
    const std::int32_t below = origin + floor_div(position - origin, step) * step;
    if (below == position) return forward ? step : -step;
    return forward ? below + step - position : below - position;
}

// The closest of the candidates to `edge` within `reach`: the distance to move by.
struct Snap {
    std::int32_t delta = 0;
    std::int32_t line = 0;
    bool found = false;
};

void consider(Snap& best, std::int32_t edge, std::int32_t candidate, std::int32_t reach) {
    const std::int32_t delta = candidate - edge;
    if (std::abs(delta) > reach) return;
    if (best.found && std::abs(delta) >= std::abs(best.delta)) return;
    best = Snap{delta, candidate, true};
}

// Snaps the start edge (left or top) and the end edge (right or bottom) of a span of `length`
// starting at `start`, against the starts and ends of the others and the dialog's margins.
Snap snap_axis(std::int32_t start, std::int32_t length, const std::vector<std::pair<std::int32_t, std::int32_t>>& others,
               std::int32_t dialog_length, const DesignerSettings& settings) {
    const std::int32_t reach = 2 * settings.snap_distance;
    const std::int32_t end = start + length;
    Snap best;
    const auto start_to = [&](std::int32_t line) { consider(best, start, line, reach); };
    const auto end_to = [&](std::int32_t line) { consider(best, end, line, reach); };
    start_to(settings.margin_size);
    end_to(dialog_length - settings.margin_size);
    for (const auto& [other_start, other_end] : others) {
        start_to(other_start);
        start_to(other_end);
        start_to(other_end + settings.snap_distance);
        start_to(other_end + settings.small_snap_distance);
        end_to(other_end);
        end_to(other_start);
        end_to(other_start - settings.snap_distance);
        end_to(other_start - settings.small_snap_distance);
    }
    return best;
}

}  // namespace

std::int32_t nearest_grid_line(std::int32_t value, std::int32_t origin, std::int32_t step) {
    value = std::max(value, 0);
    const std::int32_t below = origin + floor_div(value - origin, step) * step;
    const std::int32_t remainder = value - below;
    return 2 * remainder > step ? below + step : below;
}

std::optional<Offset> keyboard_move(ArrowKey key, bool grid_step, const DialogRect& primary,
                                    const DialogRect& selection, DialogSize dialog, const DesignerSettings& settings) {
    const bool along_x = horizontal(key);
    const bool forward = forwards(key);
    const std::int32_t margin = settings.visible_margin();
    std::int32_t step = forward ? 1 : -1;
    if (grid_step && settings.grid_visible) {
        // For the keyboard the grid starts at the margin whether or not the margin is shown.
        step = along_x ? grid_move(primary.x, settings.margin_size, settings.grid_width, forward)
                       : grid_move(primary.y, settings.margin_size, settings.grid_height, forward);
    }
    const std::int32_t start = along_x ? selection.x : selection.y;
    const std::int32_t end = start + (along_x ? selection.width : selection.height);
    const std::int32_t limit = (along_x ? dialog.width : dialog.height) - margin;
    if (!forward && start <= margin) return std::nullopt;
    if (forward && end + step > limit) return std::nullopt;
    return along_x ? Offset{step, 0} : Offset{0, step};
}

std::optional<DialogRect> keyboard_resize(ArrowKey key, const DialogRect& rect, DialogSize minimum,
                                          DialogSize dialog) {
    DialogRect resized = rect;
    const std::int32_t change = forwards(key) ? 1 : -1;
    if (horizontal(key)) {
        const std::int32_t room = std::max(minimum.width, dialog.width - rect.x);
        resized.width = std::clamp(rect.width + change, minimum.width, room);
    } else {
        const std::int32_t room = std::max(minimum.height, dialog.height - rect.y);
        resized.height = std::clamp(rect.height + change, minimum.height, room);
    }
    if (resized == rect) return std::nullopt;
    return resized;
}

DragResult drag_selection(std::int32_t target_x, std::int32_t target_y, const DialogRect& primary,
                          const DialogRect& selection, const std::vector<DialogRect>& others, DialogSize dialog,
                          const DesignerSettings& settings, bool free) {
    DragResult result;
    Offset& offset = result.offset;
    offset = Offset{target_x - primary.x, target_y - primary.y};

    if (settings.margin_visible) {
        const std::int32_t margin = settings.margin_size;
        const auto keep_inside = [margin](std::int32_t& delta, std::int32_t start, std::int32_t length,
                                          std::int32_t room) {
            if (start + delta + length > room - margin) delta = room - margin - length - start;
            if (start + delta < margin) delta = margin - start;
        };
        keep_inside(offset.dx, selection.x, selection.width, dialog.width);
        keep_inside(offset.dy, selection.y, selection.height, dialog.height);
    }

    if (settings.grid_visible) {
        const std::int32_t origin = settings.margin_visible ? settings.margin_size : 0;
        std::int32_t x = nearest_grid_line(primary.x + offset.dx, origin, settings.grid_width);
        std::int32_t y = nearest_grid_line(primary.y + offset.dy, origin, settings.grid_height);
        if (x + primary.width > dialog.width) x -= settings.grid_width;
        if (y + primary.height > dialog.height) y -= settings.grid_height;
        offset = Offset{x - primary.x, y - primary.y};
    } else if (settings.snap_on && !free) {
        std::vector<std::pair<std::int32_t, std::int32_t>> xs;
        std::vector<std::pair<std::int32_t, std::int32_t>> ys;
        for (const DialogRect& other : others) {
            xs.emplace_back(other.x, other.x + other.width);
            ys.emplace_back(other.y, other.y + other.height);
        }
        const Snap x = snap_axis(primary.x + offset.dx, primary.width, xs, dialog.width, settings);
        const Snap y = snap_axis(primary.y + offset.dy, primary.height, ys, dialog.height, settings);
        if (x.found) {
            offset.dx += x.delta;
            result.guides.push_back(GuideLine{true, x.line});
        }
        if (y.found) {
            offset.dy += y.delta;
            result.guides.push_back(GuideLine{false, y.line});
        }
    }
    return result;
}

std::array<PixelBox, handle_count> handle_boxes(const DialogRect& r) {
    const std::int32_t x = r.x;
    const std::int32_t y = r.y;
    const std::int32_t w = r.width;
    const std::int32_t h = r.height;
    return {{
        {x - 6, y - 6, x, y},
        {x + w / 2 - 3, y - 6, x + w / 2 + 3, y},
        {x + w, y - 6, x + w + 6, y},
        {x + w, y + h / 2 - 3, x + w + 6, y + h / 2 + 3},
        {x + w, y + h, x + w + 6, y + h + 6},
        {x + w / 2 - 3, y + h, x + w / 2 + 3, y + h + 6},
        {x - 6, y + h, x, y + h + 6},
        {x - 6, y + h / 2 - 3, x, y + h / 2 + 3},
    }};
}

ResizeDirections resize_directions(const Control& control) {
    constexpr std::uint32_t uds_horz = 0x40;
    constexpr std::uint32_t ss_etched_horz = 0x10;
    constexpr std::uint32_t ss_etched_vert = 0x11;
    constexpr std::uint32_t ss_icon = 0x03;
    constexpr std::uint32_t ss_bitmap = 0x0E;
    constexpr std::uint32_t ss_real_size_control = 0x40;
    const std::uint32_t style = control.style();
    switch (control.kind()) {
        case ControlKind::spin:
            return (style & uds_horz) != 0 ? ResizeDirections{true, false} : ResizeDirections{false, true};
        case ControlKind::picture: {
            const std::uint32_t type = style & 0x1F;
            if (type == ss_etched_horz) return {true, false};
            if (type == ss_etched_vert) return {false, true};
            if ((type == ss_icon || type == ss_bitmap) && (style & ss_real_size_control) == 0) return {false, false};
            return {};
        }
        default: return {};
    }
}

bool handle_active(Handle handle, ResizeDirections directions) {
    switch (handle) {
        case Handle::top:
        case Handle::bottom: return directions.vertical;
        case Handle::left:
        case Handle::right: return directions.horizontal;
        default: return directions.horizontal && directions.vertical;
    }
}

DialogRect resize_by_handle(const DialogRect& rect, Handle handle, std::int32_t dx, std::int32_t dy,
                            DialogSize minimum) {
    const bool left = handle == Handle::top_left || handle == Handle::left || handle == Handle::bottom_left;
    const bool right = handle == Handle::top_right || handle == Handle::right || handle == Handle::bottom_right;
    const bool top = handle == Handle::top_left || handle == Handle::top || handle == Handle::top_right;
    const bool bottom = handle == Handle::bottom_left || handle == Handle::bottom || handle == Handle::bottom_right;
    DialogRect resized = rect;
    if (right) resized.width = std::max(rect.width + dx, minimum.width);
    if (left) {
        resized.width = std::max(rect.width - dx, minimum.width);
        resized.x = rect.x + rect.width - resized.width;
    }
    if (bottom) resized.height = std::max(rect.height + dy, minimum.height);
    if (top) {
        resized.height = std::max(rect.height - dy, minimum.height);
        resized.y = rect.y + rect.height - resized.height;
    }
    return resized;
}

}  // namespace tavorin
