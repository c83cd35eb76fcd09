#pragma once
// The designer's geometry in dialog units: where the arrow keys and the mouse put a selection
// (the grid, the margin and snapping to other controls), how a handle or Shift+arrow resizes a
// control, and the handles themselves in pixels.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "dialog/designer_settings.h"
#include "dialog/dialog_rect.h"

namespace tavorin {

class Control;

enum class ArrowKey : std::uint8_t { left, right, up, down };

struct Offset {
    std::int32_t dx = 0;
    std::int32_t dy = 0;

    friend bool operator==(const Offset&, const Offset&) = default;
};

struct DialogSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The grid line nearest to `value` among origin + n * step (a remainder of exactly half a step
// goes down); negative values count as 0.
std::int32_t nearest_grid_line(std::int32_t value, std::int32_t origin, std::int32_t step);

// An arrow key on the selection: 1 unit, or with Ctrl and the grid on one grid step, a primary
// control off the grid first going to the previous (Left, Up) or next (Right, Down) grid line
// at margin size + n * grid size. None when the selection would cross the visible margin.
std::optional<Offset> keyboard_move(ArrowKey key, bool grid_step, const DialogRect& primary,
                                    const DialogRect& selection, DialogSize dialog, const DesignerSettings& settings);

// Shift+arrow on one control: the width (Left, Right) or height (Up, Down) one unit smaller or
// larger, kept between the kind's minimum and the room the dialog leaves. None when unchanged.
std::optional<DialogRect> keyboard_resize(ArrowKey key, const DialogRect& rect, DialogSize minimum, DialogSize dialog);

// A line the canvas draws where a moved control snapped: vertical lines at x, horizontal ones
// at y, in dialog units.
struct GuideLine {
    bool vertical = false;
    std::int32_t position = 0;

    friend bool operator==(const GuideLine&, const GuideLine&) = default;
};

struct DragResult {
    Offset offset;
    std::vector<GuideLine> guides;
};

// A mouse move of the selection that would put the primary control at `target`: the offset
// that every selected control then moves by, after the margin (the selection stays inside it
// when it is shown), the grid (the primary control on the nearest grid line) and snapping (the
// primary control's edges to the dialog's margins and to other controls' edges, or sepSize or
// smallSepSize away from them, within twice sepSize; not while `free` is held).
DragResult drag_selection(std::int32_t target_x, std::int32_t target_y, const DialogRect& primary,
                          const DialogRect& selection, const std::vector<DialogRect>& others, DialogSize dialog,
                          const DesignerSettings& settings, bool free);

// The eight handles of a control, in order: top-left, top-middle, top-right, right-middle,
// bottom-right, bottom-middle, bottom-left, left-middle.
enum class Handle : std::uint8_t {
    top_left,
    top,
    top_right,
    right,
    bottom_right,
    bottom,
    bottom_left,
    left,
};
inline constexpr int handle_count = 8;

struct PixelBox {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    bool contains(std::int32_t x, std::int32_t y) const { return x >= left && x < right && y >= top && y < bottom; }
    friend bool operator==(const PixelBox&, const PixelBox&) = default;
};

// Each handle lies outside the control's pixel rectangle, 6 pixels deep.
std::array<PixelBox, handle_count> handle_boxes(const DialogRect& pixels);

// The directions a control can be resized in: a spin control along its orientation only, an
// etched line along its length, an icon or bitmap picture of real size not at all.
struct ResizeDirections {
    bool horizontal = true;
    bool vertical = true;
};
ResizeDirections resize_directions(const Control& control);

// A middle handle of a fixed direction, and every corner of a control fixed in either, is
// inactive.
bool handle_active(Handle handle, ResizeDirections directions);

// A control's rectangle with one handle dragged by (dx, dy) units: the edges of that handle
// move, never below the minimum size (the opposite edge stays).
DialogRect resize_by_handle(const DialogRect& rect, Handle handle, std::int32_t dx, std::int32_t dy,
                            DialogSize minimum);

}  // namespace tavorin
