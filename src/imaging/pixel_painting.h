#pragma once
// The pen and the flood fill of the image editor, on an EditableImage. A painter gathers the
// pixels one stroke or one fill changed, with their values before and after, so that the edit
// can be undone and redone as one step.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "imaging/editable_image.h"

namespace tavorin {

struct PixelPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// The points of a digital line from `from` to `to`, both ends included, each next point one
// step away horizontally, vertically or diagonally.
std::vector<PixelPoint> digital_line(PixelPoint from, PixelPoint to);

// What the pen and the fill write: the raw value and, for icons, the mask bit.
struct PaintValue {
    std::uint32_t value = 0;
    bool masked = false;
    friend bool operator==(const PaintValue&, const PaintValue&) = default;
};

// The editor's current colour as a value of the image's depth: `color` is a palette index for
// 1, 4 and 8 bits, else 0x00RRGGBB; 32-bit values take `alpha` in their top byte. The mask bit of
// icons is set when a 32-bit pixel's alpha is 0, and follows `transparent` at other depths.
PaintValue paint_value(const EditableImage& image, std::uint32_t color, std::uint8_t alpha, bool transparent);

struct PixelChange {
    std::uint32_t x = 0;
    std::uint32_t y = 0;
    PaintValue before;
    PaintValue after;
};

// Writes the `after` values of the changes in order, or (undo) the `before` values in reverse.
void apply_pixel_changes(EditableImage& image, std::span<const PixelChange> changes, bool undo);

class PixelPainter {
public:
    explicit PixelPainter(EditableImage& image) : image_(image) {}

    // One pixel; positions outside the image are ignored, and the pixel set last is skipped.
    void set(PixelPoint point, PaintValue paint);
    // The digital line from the last position to `to` (the pen dragged while captured).
    void line(PixelPoint from, PixelPoint to, PaintValue paint);
    // Every pixel four-connected to `start` through pixels of the start pixel's raw value,
    // visited first in, first out. Nothing happens when the start pixel has the value already.
    void fill(PixelPoint start, PaintValue paint);

    const std::vector<PixelChange>& changes() const { return changes_; }
    std::vector<PixelChange> take_changes() { return std::move(changes_); }

private:
    bool inside(PixelPoint point) const;
    void write(std::uint32_t x, std::uint32_t y, PaintValue paint);

    EditableImage& image_;
    std::vector<PixelChange> changes_;
    std::optional<PixelPoint> last_;
};

// The pixel under the mouse in a view drawn `margin` pixels from its corner at `zoom` and scrolled
// by (scroll_x, scroll_y) screen pixels; none outside the image.
inline constexpr int image_view_margin = 8;
// The same without the bounds, rounding towards minus infinity: where a drag leaving the image
// points, so that the line towards it is drawn up to the edge.
PixelPoint mouse_to_pixel(int scroll_x, int scroll_y, int mouse_x, int mouse_y, int zoom);
std::optional<PixelPoint> pixel_under_mouse(int scroll_x, int scroll_y, int mouse_x, int mouse_y, int zoom,
                                            std::uint32_t width, std::uint32_t height);

}  // namespace tavorin
