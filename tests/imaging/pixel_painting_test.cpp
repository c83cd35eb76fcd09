// The pen and the fill on real DIBs of every editable depth: which raw bytes change, what the
// mask of icons does, and the mouse-to-pixel mapping of the zoomed view.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "imaging/dib_encoder.h"
#include "imaging/editable_image.h"
#include "imaging/image_bytes.h"
#include "imaging/pixel_painting.h"
#include "imaging/png_codec.h"

namespace tavorin::test {
namespace {

// A bitmap DIB of the size and depth, every byte of its pixel rows zero, with a grey-scale
// palette for 1, 4 and 8 bits.
Bytes blank_dib(std::int32_t width, std::int32_t height, std::uint16_t bit_count, bool icon = false) {
    Bytes dib = info_header(width, icon ? 2 * height : height, bit_count);
    if (bit_count <= 8) {
        const std::uint32_t entries = 1u << bit_count;
        for (std::uint32_t i = 0; i < entries; ++i) {
            const auto grey = static_cast<std::uint8_t>(i * 255 / (entries - 1));
            append(dib, {grey, grey, grey, 0});
        }
    }
    const std::uint32_t rows = static_cast<std::uint32_t>(height < 0 ? -height : height);
    const std::size_t stride = (static_cast<std::size_t>(width) * bit_count + 31) / 32 * 4;
    dib.resize(dib.size() + stride * rows, 0);
    if (icon) dib.resize(dib.size() + (static_cast<std::size_t>(width) + 31) / 32 * 4 * rows, 0);
    return dib;
}

EditableImage bitmap(std::int32_t width, std::int32_t height, std::uint16_t bit_count) {
    auto image = EditableImage::from_bitmap(blank_dib(width, height, bit_count));
    EXPECT_TRUE(image) << (image ? "" : std::string(image.error().begin(), image.error().end()));
    return std::move(*image);
}

TEST(EditablePixels, EachDepthStoresValuesInItsOwnBitsAndBytes) {
    struct Case {
        std::uint16_t bit_count;
        std::uint32_t value;
        std::uint32_t x;
        std::size_t byte;  // offset in the bottom row (image row 1 of 2) that changes
        std::uint8_t expected;
    };
    const Case cases[] = {
        {1, 1, 3, 0, 0x10},           // bit 7 - 3
        {4, 0xA, 2, 1, 0xA0},         // even x: high nibble
        {4, 0x5, 3, 1, 0x05},         // odd x: low nibble
        {8, 0xC3, 2, 2, 0xC3},
        {24, 0x112233, 1, 3, 0x33},   // lowest byte (blue) first
        {24, 0x112233, 1, 5, 0x11},
        {32, 0x80112233, 1, 7, 0x80}, // alpha in the top byte
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bit_count);
        EditableImage image = bitmap(4, 2, c.bit_count);
        image.put(c.x, 1, c.value, false);
        EXPECT_EQ(image.value(c.x, 1), c.value);
        EXPECT_EQ(image.value(c.x, 0), 0u);
        const Bytes dib = *image.bytes();
        const std::size_t palette = c.bit_count <= 8 ? 4u << c.bit_count : 0;
        // Bottom-up: image row 1 is the first stored row.
        EXPECT_EQ(dib[40 + palette + c.byte], c.expected);
    }
}

TEST(EditablePixels, TopDownBitmapsAddressRowsFromTheTop) {
    auto image = EditableImage::from_bitmap(blank_dib(2, -2, 8));
    ASSERT_TRUE(image);
    image->put(1, 0, 7, false);
    EXPECT_EQ((*image->bytes())[40 + 1024 + 1], 7);
}

TEST(EditablePixels, CompressedAndOddDepthsAreRefused) {
    Bytes rle = info_header(2, 2, 8, 1);
    rle.resize(rle.size() + 1024 + 8, 0);
    EXPECT_EQ(EditableImage::from_bitmap(rle).error(), image_not_editable_text);
    EXPECT_EQ(EditableImage::from_bitmap(blank_dib(2, 2, 16)).error(), image_not_editable_text);
    Bytes truncated = blank_dib(8, 8, 24);
    truncated.pop_back();
    EXPECT_FALSE(EditableImage::from_bitmap(truncated));
}

TEST(PaintValues, MaskFollowsAlphaAt32BitsAndTheTransparencyFlagElsewhere) {
    auto icon4 = EditableImage::from_icon_image(blank_dib(2, 2, 4, true));
    auto icon32 = EditableImage::from_icon_image(blank_dib(2, 2, 32, true));
    ASSERT_TRUE(icon4);
    ASSERT_TRUE(icon32);
    EXPECT_EQ(paint_value(*icon4, 0x1F, 255, true), (PaintValue{0xF, true}));
    EXPECT_EQ(paint_value(*icon4, 3, 0, false), (PaintValue{3, false}));
    EXPECT_EQ(paint_value(*icon32, 0x123456, 0, false), (PaintValue{0x00123456, true}));
    EXPECT_EQ(paint_value(*icon32, 0x123456, 200, true), (PaintValue{0xC8123456, false}));
    // Bitmaps have no mask.
    EXPECT_EQ(paint_value(bitmap(1, 1, 8), 5, 255, true), (PaintValue{5, false}));
}

TEST(PaintValues, IconMaskBitsAreWrittenBesideTheColours) {
    auto image = EditableImage::from_icon_image(blank_dib(2, 2, 4, true));
    ASSERT_TRUE(image);
    PixelPainter painter(*image);
    painter.set({1, 0}, PaintValue{0, true});
    EXPECT_TRUE(image->masked(1, 0));
    EXPECT_FALSE(image->masked(0, 0));
    const Bytes dib = *image->bytes();
    // Mask rows follow the colour rows (4 bytes each, 2 rows); image row 0 is stored last.
    EXPECT_EQ(dib[40 + 64 + 8 + 4], 0x40);
    EXPECT_EQ(alpha_of(image->shown_color(1, 0)), 0);
    EXPECT_EQ(alpha_of(image->shown_color(0, 0)), 0xFF);
}

TEST(PenStrokes, ADiagonalDragAtZoomEightSetsTheFourDiagonalPixels) {
    EditableImage image = bitmap(8, 8, 4);
    PixelPainter painter(image);
    const int zoom = 8;
    // The mouse presses on the middle of pixel (0, 0) and moves to the middle of (3, 3).
    const auto from = pixel_under_mouse(0, 0, image_view_margin + 4, image_view_margin + 4, zoom, 8, 8);
    const auto to = pixel_under_mouse(0, 0, image_view_margin + 3 * zoom + 4, image_view_margin + 3 * zoom + 4, zoom,
                                      8, 8);
    ASSERT_TRUE(from && to);
    painter.set(*from, PaintValue{9, false});
    painter.line(*from, *to, PaintValue{9, false});
    std::vector<PixelPoint> set;
    for (std::uint32_t y = 0; y < 8; ++y) {
        for (std::uint32_t x = 0; x < 8; ++x) {
            if (image.value(x, y) == 9) set.push_back(PixelPoint{static_cast<int>(x), static_cast<int>(y)});
        }
    }
    EXPECT_EQ(set, (std::vector<PixelPoint>{{0, 0}, {1, 1}, {2, 2}, {3, 3}}));
    // The start pixel was set once: setting it again in a row is skipped.
    EXPECT_EQ(painter.changes().size(), 4u);
}

TEST(PenStrokes, DigitalLinesStepOnePixelAtATimeInEveryDirection) {
    const std::pair<PixelPoint, PixelPoint> lines[] = {
        {{0, 0}, {5, 2}}, {{5, 2}, {0, 0}}, {{3, 3}, {3, -4}}, {{-2, 1}, {4, 1}}, {{7, 7}, {7, 7}}};
    for (const auto& [from, to] : lines) {
        const std::vector<PixelPoint> points = digital_line(from, to);
        ASSERT_FALSE(points.empty());
        EXPECT_EQ(points.front(), from);
        EXPECT_EQ(points.back(), to);
        const auto length = std::max(std::abs(to.x - from.x), std::abs(to.y - from.y));
        EXPECT_EQ(points.size(), static_cast<std::size_t>(length) + 1);
        for (std::size_t i = 1; i < points.size(); ++i) {
            EXPECT_LE(std::abs(points[i].x - points[i - 1].x), 1);
            EXPECT_LE(std::abs(points[i].y - points[i - 1].y), 1);
        }
    }
}

TEST(PenStrokes, LinesLeavingTheImageStopAtItsEdge) {
    EditableImage image = bitmap(4, 4, 8);
    PixelPainter painter(image);
    painter.line({1, 1}, mouse_to_pixel(0, 0, -20, image_view_margin + 1 * 2, 2), PaintValue{1, false});
    EXPECT_EQ(image.value(0, 1), 1u);
    EXPECT_EQ(image.value(1, 1), 1u);
    EXPECT_EQ(painter.changes().size(), 2u);
}

TEST(Fills, AlreadyFilledRegionOfAFourBitImageChangesNothing) {
    EditableImage image = bitmap(6, 4, 4);
    PixelPainter painter(image);
    const Bytes before = *image.bytes();
    painter.fill({2, 2}, PaintValue{0, false});
    EXPECT_TRUE(painter.changes().empty());
    EXPECT_EQ(*image.bytes(), before);
}

TEST(Fills, FourConnectedRegionsOfEachDepthStopAtOtherValues) {
    for (std::uint16_t bit_count : {1, 4, 8, 24, 32}) {
        SCOPED_TRACE(bit_count);
        EditableImage image = bitmap(5, 5, bit_count);
        // A wall down column 2 except a diagonal gap, which four-connection does not pass.
        for (std::uint32_t y = 0; y < 5; ++y) image.put(2, y, 1, false);
        image.put(2, 2, 0, false);
        image.put(1, 2, 1, false);
        image.put(3, 2, 1, false);
        image.put(2, 1, 0, false);
        image.put(1, 1, 1, false);
        PixelPainter painter(image);
        painter.fill({0, 0}, PaintValue{1, false});
        for (std::uint32_t y = 0; y < 5; ++y) {
            EXPECT_EQ(image.value(4, y), 0u) << y;
            EXPECT_EQ(image.value(0, y), 1u) << y;
        }
        // Undoing the fill gives back the image before it.
        EditableImage copy = image;
        apply_pixel_changes(copy, painter.changes(), true);
        EXPECT_EQ(copy.value(0, 0), 0u);
        apply_pixel_changes(copy, painter.changes(), false);
        EXPECT_EQ(*copy.bytes(), *image.bytes());
    }
}

TEST(Fills, AWholeLargeImageFillsWithoutRecursion) {
    EditableImage image = bitmap(1024, 1024, 8);
    PixelPainter painter(image);
    painter.fill({512, 512}, PaintValue{3, false});
    EXPECT_EQ(painter.changes().size(), 1024u * 1024u);
    EXPECT_EQ(image.value(1023, 0), 3u);
}

TEST(MousePixels, TheViewMarginScrollAndZoomDecideThePixel) {
    EXPECT_EQ(pixel_under_mouse(0, 0, 8, 8, 1, 4, 4), (PixelPoint{0, 0}));
    EXPECT_EQ(pixel_under_mouse(0, 0, 7, 8, 1, 4, 4), std::nullopt);
    EXPECT_EQ(pixel_under_mouse(16, 0, 8 + 15, 8 + 31, 16, 4, 4), (PixelPoint{1, 1}));
    EXPECT_EQ(pixel_under_mouse(0, 0, 8 + 4 * 6, 8, 6, 4, 4), std::nullopt);
    EXPECT_EQ(mouse_to_pixel(0, 0, 0, 8, 4), (PixelPoint{-2, 0}));
}

TEST(PngImages, StayPngWithTheEditedPixels) {
    Pixels pixels(3, 2, argb(0xFF, 10, 20, 30));
    pixels.at(2, 1) = 0;
    auto image = EditableImage::from_icon_image(*encode_png(pixels));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->format(), EditableFormat::png_icon);
    EXPECT_EQ(image->bit_count(), 32);
    EXPECT_TRUE(image->masked(2, 1));
    PixelPainter painter(*image);
    painter.set({0, 0}, paint_value(*image, 0x00FF0000, 0x80, false));
    const Bytes stored = *image->bytes();
    ASSERT_TRUE(is_png(stored));
    const Pixels decoded = *decode_png(stored);
    EXPECT_EQ(decoded.at(0, 0), argb(0x80, 0xFF, 0, 0));
    EXPECT_EQ(decoded.at(1, 0), argb(0xFF, 10, 20, 30));
    EXPECT_EQ(alpha_of(decoded.at(2, 1)), 0);
}

}  // namespace
}  // namespace tavorin::test
