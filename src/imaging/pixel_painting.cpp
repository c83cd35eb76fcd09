#include "imaging/pixel_painting.h"

#include <cstdlib>
#include <deque>

namespace tavorin {

std::vector<PixelPoint> digital_line(PixelPoint from, PixelPoint to) {
    std::vector<PixelPoint> points;
    const std::int64_t dx = std::llabs(std::int64_t{to.x} - from.x);
    const std::int64_t dy = -std::llabs(std::int64_t{to.y} - from.y);
    const int step_x = from.x < to.x ? 1 : -1;
    const int step_y = from.y < to.y ? 1 : -1;
    std::int64_t error = dx + dy;
    PixelPoint at = from;
    for (;;) {
        points.push_back(at);
        if (at == to) break;
        const std::int64_t twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            at.x += step_x;
        }
        if (twice <= dx) {
            error += dx;
            at.y += step_y;
        }
    }
    return points;
}

PaintValue paint_value(const EditableImage& image, std::uint32_t color, std::uint8_t alpha, bool transparent) {
    PaintValue paint;
    switch (image.bit_count()) {
        case 1: paint.value = color & 1u; break;
        case 4: paint.value = color & 0x0Fu; break;
        case 8: paint.value = color & 0xFFu; break;
        case 24: paint.value = color & 0x00FFFFFFu; break;
        default: paint.value = (color & 0x00FFFFFFu) | (std::uint32_t{alpha} << 24); break;
    }
    if (image.has_mask()) paint.masked = image.bit_count() == 32 ? alpha == 0 : transparent;
    return paint;
}

void apply_pixel_changes(EditableImage& image, std::span<const PixelChange> changes, bool undo) {
    if (undo) {
        for (auto it = changes.rbegin(); it != changes.rend(); ++it) {
            image.put(it->x, it->y, it->before.value, it->before.masked);
        }
        return;
    }
    for (const PixelChange& change : changes) image.put(change.x, change.y, change.after.value, change.after.masked);
}

bool PixelPainter::inside(PixelPoint point) const {
    return point.x >= 0 && point.y >= 0 && static_cast<std::uint32_t>(point.x) < image_.width() &&
           static_cast<std::uint32_t>(point.y) < image_.height();
}

void PixelPainter::write(std::uint32_t x, std::uint32_t y, PaintValue paint) {
    const PaintValue before{image_.value(x, y), image_.masked(x, y)};
    if (before == paint) return;
    image_.put(x, y, paint.value, paint.masked);
    changes_.push_back(PixelChange{x, y, before, paint});
}

void PixelPainter::set(PixelPoint point, PaintValue paint) {
    if (!inside(point) || last_ == point) return;
    last_ = point;
    write(static_cast<std::uint32_t>(point.x), static_cast<std::uint32_t>(point.y), paint);
}

void PixelPainter::line(PixelPoint from, PixelPoint to, PaintValue paint) {
    for (const PixelPoint& point : digital_line(from, to)) set(point, paint);
}

void PixelPainter::fill(PixelPoint start, PaintValue paint) {
    if (!inside(start)) return;
    const auto start_x = static_cast<std::uint32_t>(start.x);
    const auto start_y = static_cast<std::uint32_t>(start.y);
    const std::uint32_t target = image_.value(start_x, start_y);
    if (target == paint.value) return;
    // A pixel is painted as it joins the queue, so that it cannot join twice: once painted its
    // value differs from the target's.
    std::deque<std::pair<std::uint32_t, std::uint32_t>> queue;
    write(start_x, start_y, paint);
    queue.emplace_back(start_x, start_y);
    const auto visit = [&](std::uint32_t x, std::uint32_t y) {
        if (image_.value(x, y) != target) return;
        write(x, y, paint);
        queue.emplace_back(x, y);
    };
    while (!queue.empty()) {
        const auto [x, y] = queue.front();
        queue.pop_front();
        if (x > 0) visit(x - 1, y);
        if (x + 1 < image_.width()) visit(x + 1, y);
        if (y > 0) visit(x, y - 1);
        if (y + 1 < image_.height()) visit(x, y + 1);
    }
    last_.reset();
}

namespace {
std::int32_t floor_divide(std::int64_t value, int divisor) {
    std::int64_t quotient = value / divisor;
    if (value % divisor != 0 && value < 0) --quotient;
    return static_cast<std::int32_t>(quotient);
}
}  // namespace

PixelPoint mouse_to_pixel(int scroll_x, int scroll_y, int mouse_x, int mouse_y, int zoom) {
    if (zoom <= 0) zoom = 1;
    return PixelPoint{floor_divide(std::int64_t{scroll_x} + mouse_x - image_view_margin, zoom),
                      floor_divide(std::int64_t{scroll_y} + mouse_y - image_view_margin, zoom)};
}

std::optional<PixelPoint> pixel_under_mouse(int scroll_x, int scroll_y, int mouse_x, int mouse_y, int zoom,
                                            std::uint32_t width, std::uint32_t height) {
    const PixelPoint point = mouse_to_pixel(scroll_x, scroll_y, mouse_x, mouse_y, zoom);
    if (point.x < 0 || point.y < 0 || static_cast<std::uint32_t>(point.x) >= width ||
        static_cast<std::uint32_t>(point.y) >= height) {
        return std::nullopt;
    }
    return point;
}

}  // namespace tavorin
