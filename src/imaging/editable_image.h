#pragma once
// An image whose pixels can be edited in place: a bitmap's DIB, an icon or cursor image's DIB
// with its AND mask, or a PNG icon image (held as a 32-bit DIB while it is edited and encoded as
// PNG again when it is stored).
//
// Pixel values are raw: a palette index for 1, 4 and 8 bits, 0x00RRGGBB for 24 bits and
// 0xAARRGGBB for 32 bits. The rows of the DIB run bottom-up (or top-down when the header says
// so); x and y here always count from the top left.

#include <cstdint>
#include <span>
#include <vector>

#include "base/result.h"
#include "imaging/pixels.h"

namespace tavorin {

enum class EditableFormat { bitmap, icon, png_icon };

class EditableImage {
public:
    // A bitmap's DIB (without file header): uncompressed 1, 4, 8, 24 or 32 bits per pixel.
    static Result<EditableImage> from_bitmap(std::span<const std::uint8_t> dib);
    // An icon or cursor image: a DIB with a 40-byte header and its AND mask, or a PNG stream.
    static Result<EditableImage> from_icon_image(std::span<const std::uint8_t> bytes);

    EditableFormat format() const { return format_; }
    bool has_mask() const { return format_ != EditableFormat::bitmap; }
    std::uint32_t width() const { return width_; }
    std::uint32_t height() const { return height_; }
    std::uint16_t bit_count() const { return bit_count_; }
    // 0x00RRGGBB per entry; empty above 8 bits.
    const std::vector<std::uint32_t>& palette() const { return palette_; }

    std::uint32_t value(std::uint32_t x, std::uint32_t y) const;
    // The AND mask bit: the screen shows through. Always false for bitmaps.
    bool masked(std::uint32_t x, std::uint32_t y) const;
    // Changes one palette entry (0x00RRGGBB), in the palette and in the DIB's colour table.
    // False for an index outside the palette.
    bool set_palette_color(std::size_t index, std::uint32_t color);
    // Stores the value (only the bits the depth has) and, for icons, the mask bit.
    void put(std::uint32_t x, std::uint32_t y, std::uint32_t value, bool masked);

    // The colour shown for a pixel as 0xAARRGGBB: masked pixels and 32-bit pixels with alpha 0
    // are transparent. A 32-bit bitmap that never used its alpha bytes shows opaque.
    std::uint32_t shown_color(std::uint32_t x, std::uint32_t y) const;
    Pixels shown_pixels() const;

    // The bytes to store back: the DIB, or a PNG stream for a PNG image.
    Result<std::vector<std::uint8_t>> bytes() const;

private:
    EditableImage() = default;
    static Result<EditableImage> from_dib(std::span<const std::uint8_t> dib, EditableFormat format);
    std::size_t row_offset(std::uint32_t y) const;
    std::size_t mask_row_offset(std::uint32_t y) const;

    EditableFormat format_ = EditableFormat::bitmap;
    std::vector<std::uint8_t> dib_;
    std::uint32_t width_ = 0;
    std::uint32_t height_ = 0;
    std::uint16_t bit_count_ = 0;
    bool top_down_ = false;
    bool alpha_used_ = false;
    std::size_t pixel_offset_ = 0;
    std::size_t palette_offset_ = 0;
    std::size_t stride_ = 0;
    std::size_t mask_offset_ = 0;
    std::size_t mask_stride_ = 0;
    std::vector<std::uint32_t> palette_;
};

// For DIBs with a compression or depth the editor does not handle.
inline constexpr char16_t image_not_editable_text[] =
    u"Only uncompressed images of 1, 4, 8, 24 or 32 bits per pixel can be edited.";

}  // namespace tavorin
