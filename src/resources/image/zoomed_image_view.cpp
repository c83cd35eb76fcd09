#include "resources/image/zoomed_image_view.h"

#include <algorithm>

#include "imaging/pixel_painting.h"

namespace tavorin {
namespace {

constexpr std::uint32_t rgb_of(std::uint32_t color_ref) {
    return ((color_ref & 0xFF) << 16) | (color_ref & 0xFF00) | ((color_ref >> 16) & 0xFF);
}

constexpr std::uint32_t grid_color = 0x808080;

std::uint32_t blend(std::uint32_t over, std::uint32_t under) {
    const std::uint32_t alpha = alpha_of(over);
    std::uint32_t result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const std::uint32_t top = (over >> shift) & 0xFF;
        const std::uint32_t bottom = (under >> shift) & 0xFF;
        result |= ((top * alpha + bottom * (255 - alpha) + 127) / 255) << shift;
    }
    return result;
}

}  // namespace

std::vector<std::uint32_t> render_zoomed_view(const Pixels& shown, const ZoomedView& view,
                                              const ImageEditorSettings& settings) {
    const int zoom = view.zoom > 0 ? view.zoom : 1;
    std::vector<std::uint32_t> screen(static_cast<std::size_t>(view.width > 0 ? view.width : 0) *
                                          static_cast<std::size_t>(view.height > 0 ? view.height : 0),
                                      rgb_of(settings.background));
    const std::int64_t image_width = std::int64_t{shown.width} * zoom;
    const std::int64_t image_height = std::int64_t{shown.height} * zoom;
    const std::uint32_t color1 = rgb_of(settings.texture_color1);
    const std::uint32_t color2 = rgb_of(settings.texture_color2);
    const std::uint32_t inverted = rgb_of(settings.inverted_background);
    const int square = 2 * (settings.grid_size > 0 ? settings.grid_size : 1);
    const bool grid = settings.pixel_grid && !view.has_transparency && zoom >= pixel_grid_min_zoom;
    for (int sy = 0; sy < view.height; ++sy) {
        const std::int64_t iy = std::int64_t{view.scroll_y} + sy - image_view_margin;
        if (iy < 0 || iy >= image_height) continue;
        const auto py = static_cast<std::uint32_t>(iy / zoom);
        std::uint32_t* out = screen.data() + static_cast<std::size_t>(sy) * static_cast<std::size_t>(view.width);
        const std::uint32_t* row = shown.argb.data() + static_cast<std::size_t>(py) * shown.width;
        for (int sx = 0; sx < view.width; ++sx) {
            const std::int64_t ix = std::int64_t{view.scroll_x} + sx - image_view_margin;
            if (ix < 0 || ix >= image_width) continue;
            const std::uint32_t pixel = row[ix / zoom];
            std::uint32_t color = pixel & 0x00FFFFFFu;
            if (grid && (ix % zoom == 0 || iy % zoom == 0)) {
                color = grid_color;
            } else if (alpha_of(pixel) != 0xFF) {
                if (view.inverting_mask && alpha_of(pixel) == 0 && color != 0) {
                    color = inverted;
                } else {
                    const bool second = ((ix / square) + (iy / square)) % 2 != 0;
                    const std::uint32_t under = settings.texture_grid && second ? color2 : color1;
                    color = blend(pixel, under);
                }
            }
            out[sx] = color;
        }
    }
    return screen;
}

Pixels fit_preview(const Pixels& pixels, std::uint32_t side, std::uint32_t background) {
    if (pixels.width == 0 || pixels.height == 0 || side == 0) return {};
    const std::uint32_t longer = std::max(pixels.width, pixels.height);
    const std::uint32_t width = longer > side ? std::max<std::uint32_t>(1, pixels.width * side / longer) : pixels.width;
    const std::uint32_t height =
        longer > side ? std::max<std::uint32_t>(1, pixels.height * side / longer) : pixels.height;
    Pixels preview(width, height);
    for (std::uint32_t y = 0; y < height; ++y) {
        const std::uint32_t source_y = static_cast<std::uint32_t>(std::uint64_t{y} * pixels.height / height);
        for (std::uint32_t x = 0; x < width; ++x) {
            const std::uint32_t source_x = static_cast<std::uint32_t>(std::uint64_t{x} * pixels.width / width);
            preview.at(x, y) = 0xFF000000u | blend(pixels.at(source_x, source_y), background);
        }
    }
    return preview;
}

}  // namespace tavorin
