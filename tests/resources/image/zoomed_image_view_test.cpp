// The screen pixels of the image editor's view: margin, zoom, scrolling, background, texture
// grid, inverted pixels and the pixel grid.

#include "resources/image/zoomed_image_view.h"

#include <gtest/gtest.h>

#include "imaging/pixel_painting.h"

namespace tavorin {
namespace {

constexpr std::uint32_t red = 0xFF0000;

std::uint32_t at(const std::vector<std::uint32_t>& screen, const ZoomedView& view, int x, int y) {
    return screen[static_cast<std::size_t>(y) * static_cast<std::size_t>(view.width) + static_cast<std::size_t>(x)];
}

TEST(ZoomedImageView, PixelsBecomeSquaresEightPixelsFromTheCornerOverTheBackground) {
    Pixels pixels(2, 1, argb(0xFF, 0xFF, 0, 0));
    ImageEditorSettings settings;
    settings.pixel_grid = false;
    const ZoomedView view{4, 0, 0, 20, 16};
    const auto screen = render_zoomed_view(pixels, view, settings);
    const std::uint32_t background = 0xD7DCF5;  // the setting keeps red in its lowest byte
    EXPECT_EQ(at(screen, view, 7, 8), background);
    EXPECT_EQ(at(screen, view, 8, 8), red);
    EXPECT_EQ(at(screen, view, 15, 11), red);
    EXPECT_EQ(at(screen, view, 16, 8), background);
    EXPECT_EQ(at(screen, view, 8, 12), background);
}

TEST(ZoomedImageView, ScrollingShowsTheFarEndOfAHugeImageAtOnce) {
    Pixels pixels(4096, 4096, argb(0xFF, 0, 0, 0xFF));
    pixels.at(4095, 4095) = argb(0xFF, 0xFF, 0, 0);
    ImageEditorSettings settings;
    settings.pixel_grid = false;
    const int zoom = 32;
    const ZoomedView view{zoom, 4095 * zoom + image_view_margin, 4095 * zoom + image_view_margin, 40, 40};
    const auto screen = render_zoomed_view(pixels, view, settings);
    EXPECT_EQ(at(screen, view, 0, 0), red);
    EXPECT_EQ(at(screen, view, 31, 31), red);
    EXPECT_EQ(at(screen, view, 32, 0), 0xD7DCF5u);
}

TEST(ZoomedImageView, TransparencyShowsTextureGridOrPlainColourAndInvertedPixels) {
    Pixels pixels(2, 1, 0);
    pixels.at(1, 0) = 0x00FFFFFF;  // masked, not black: inverts the screen
    ImageEditorSettings settings;
    settings.grid_size = 1;  // squares of two screen pixels
    ZoomedView view{8, 0, 0, 30, 20};
    view.inverting_mask = true;
    view.has_transparency = true;
    auto screen = render_zoomed_view(pixels, view, settings);
    EXPECT_EQ(at(screen, view, 8, 8), 0xCCCCCCu);
    EXPECT_EQ(at(screen, view, 10, 8), 0xFFFFFFu);
    EXPECT_EQ(at(screen, view, 10, 10), 0xCCCCCCu);
    EXPECT_EQ(at(screen, view, 16, 8), 0xFF4080u);

    settings.texture_grid = false;
    screen = render_zoomed_view(pixels, view, settings);
    EXPECT_EQ(at(screen, view, 10, 8), 0xCCCCCCu);
}

TEST(ZoomedImageView, PixelGridAppearsFromZoomFourOnImagesWithoutTransparency) {
    Pixels pixels(2, 2, argb(0xFF, 0xFF, 0, 0));
    const ImageEditorSettings settings;
    for (int zoom : {2, 4}) {
        const ZoomedView view{zoom, 0, 0, 20, 20};
        const auto screen = render_zoomed_view(pixels, view, settings);
        EXPECT_EQ(at(screen, view, 8 + zoom, 9) != red, zoom >= pixel_grid_min_zoom) << zoom;
        EXPECT_EQ(at(screen, view, 9 + zoom, 9), red);
    }
}

TEST(ImagePreviews, LargeImagesShrinkToTheBoxAndSmallOnesKeepTheirSize) {
    Pixels big(256, 128, argb(0, 0, 0, 0));
    for (std::uint32_t y = 120; y < 128; ++y) {
        for (std::uint32_t x = 248; x < 256; ++x) big.at(x, y) = argb(0xFF, 0xFF, 0, 0);
    }
    const Pixels preview = fit_preview(big, 48, 0x00FFFFFF);
    EXPECT_EQ(preview.width, 48u);
    EXPECT_EQ(preview.height, 24u);
    EXPECT_EQ(preview.at(0, 0), 0xFFFFFFFFu);     // transparent over the background
    EXPECT_EQ(preview.at(47, 23), 0xFFFF0000u);   // from the red corner
    const Pixels small = fit_preview(Pixels(16, 16, argb(0x80, 0, 0, 0)), 48, 0x00FFFFFF);
    EXPECT_EQ(small.width, 16u);
    EXPECT_EQ(small.at(3, 3), 0xFF7F7F7Fu);
}

}  // namespace
}  // namespace tavorin
