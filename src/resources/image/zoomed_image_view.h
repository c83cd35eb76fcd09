#pragma once
// What the image editor's view shows on the screen: the part of the image in sight, each pixel
// a square of zoom x zoom screen pixels, 8 pixels from the view's corner, over the background
// colour; transparent pixels over the texture grid (or the plain transparent colour), pixels
// that invert the screen in the inverted-background colour, and a pixel grid when zoomed in.
// Only the screen pixels asked for are computed, so a huge image costs what the view's size
// costs.

#include <cstdint>
#include <vector>

#include "imaging/pixels.h"
#include "resources/image/image_editor_settings.h"

namespace tavorin {

struct ZoomedView {
    int zoom = 1;
    int scroll_x = 0;
    int scroll_y = 0;
    int width = 0;   // screen pixels
    int height = 0;
    // Icons of up to 24 bits: a masked pixel whose colour is not black inverts the screen.
    bool inverting_mask = false;
    // The pixel grid is for images without transparency.
    bool has_transparency = false;
};

// The smallest zoom at which the pixel grid is drawn.
inline constexpr int pixel_grid_min_zoom = 4;

// Rows top to bottom of 0x00RRGGBB values: the layout of a top-down 32-bit DIB.
std::vector<std::uint32_t> render_zoomed_view(const Pixels& shown, const ZoomedView& view,
                                              const ImageEditorSettings& settings);

// The image scaled down (never up) to fit a square of `side` pixels, by the nearest pixel, with
// its transparency laid over `background` (0x00RRGGBB): the previews of a group's image list.
Pixels fit_preview(const Pixels& pixels, std::uint32_t side, std::uint32_t background);

// The size of the whole zoomed image with its margins, for the scroll bars.
inline std::int64_t zoomed_extent(std::uint32_t pixels, int zoom) { return std::int64_t{pixels} * zoom + 16; }

}  // namespace tavorin
