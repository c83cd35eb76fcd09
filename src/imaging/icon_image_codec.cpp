#include "imaging/icon_image_codec.h"

#include "imaging/dib_decoder.h"
#include "imaging/dib_header.h"
#include "imaging/invalid_image.h"
#include "imaging/png_codec.h"

namespace tavorin {
namespace {

using Bytes = std::span<const std::uint8_t>;

Result<DibHeader> read_icon_dib_header(Bytes image) {
    auto header = read_dib_header(image);
    if (!header) return header;
    // Icons are stored bottom-up with the mask after the colours; a top-down height has no
    // meaning there.
    if (header->header_size != info_header_size || header->height < 2) return invalid_file_structure();
    return header;
}

bool mask_bit(Bytes mask_rows, std::uint64_t stride, std::uint32_t height, std::uint32_t x, std::uint32_t y) {
    const std::uint8_t byte = mask_rows[(height - 1 - y) * stride + x / 8];
    return (byte >> (7 - x % 8)) & 1;
}

}  // namespace

Result<IconImageInfo> read_icon_image_info(Bytes image) {
    if (is_png(image)) {
        const auto png = read_png_info(image);
        if (!png) return Error{png.error()};
        return IconImageInfo{png->width, png->height, png->bit_count, true};
    }
    const auto header = read_icon_dib_header(image);
    if (!header) return Error{header.error()};
    return IconImageInfo{static_cast<std::uint32_t>(header->width), header->rows() / 2, header->bit_count, false};
}

Result<Pixels> decode_icon_image(Bytes image) {
    if (is_png(image)) return decode_png(image);
    const auto header = read_icon_dib_header(image);
    if (!header) return Error{header.error()};
    const std::uint32_t height = header->rows() / 2;
    auto pixels = decode_dib_rows(*header, image, header->pixel_offset(), height);
    if (!pixels) return pixels;

    const bool alpha_in_colors = header->bit_count == 32 && !all_transparent(*pixels);
    const std::uint64_t color_size = dib_row_stride(pixels->width, header->bit_count) * height;
    const std::uint64_t mask_offset = header->pixel_offset() + color_size;
    const std::uint64_t mask_stride = dib_row_stride(pixels->width, 1);
    const bool has_mask = mask_stride * height <= image.size() - mask_offset;
    if (alpha_in_colors) return pixels;  // the mask only repeats what alpha says, and may be left out
    if (!has_mask) {
        if (header->bit_count != 32) return invalid_file_structure();
        make_opaque(*pixels);
        return pixels;
    }
    const Bytes mask_rows = image.subspan(mask_offset);
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < pixels->width; ++x) {
            std::uint32_t& pixel = pixels->at(x, y);
            pixel = mask_bit(mask_rows, mask_stride, height, x, y) ? (pixel & 0x00FFFFFFu) : (pixel | 0xFF000000u);
        }
    }
    return pixels;
}

}  // namespace tavorin
