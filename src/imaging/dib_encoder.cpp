#include "imaging/dib_encoder.h"

#include <algorithm>
#include <unordered_map>

#include "base/binary_buffer.h"
#include "imaging/dib_header.h"
#include "imaging/image_limits.h"

namespace tavorin {
namespace {

bool supported_depth(std::uint16_t bit_count) {
    return bit_count == 1 || bit_count == 4 || bit_count == 8 || bit_count == 16 || bit_count == 24 ||
           bit_count == 32;
}

constexpr std::uint32_t rgb_only(std::uint32_t pixel) { return pixel & 0x00FFFFFFu; }

struct Palette {
    std::vector<std::uint32_t> colors;
    std::unordered_map<std::uint32_t, std::uint8_t> index_of;
};

Result<Palette> make_palette(const Pixels& pixels, std::uint16_t bit_count) {
    Palette palette;
    const std::size_t capacity = std::size_t{1} << bit_count;
    for (std::uint32_t pixel : pixels.argb) {
        const std::uint32_t color = rgb_only(pixel);
        if (palette.index_of.contains(color)) continue;
        if (palette.colors.size() == capacity) {
            return Error{u"The image has more colors than the color depth can hold"};
        }
        palette.index_of.emplace(color, static_cast<std::uint8_t>(palette.colors.size()));
        palette.colors.push_back(color);
    }
    palette.colors.resize(capacity, 0);
    return palette;
}

void write_header(BinaryBuffer& out, const Pixels& pixels, std::uint16_t bit_count, std::uint32_t stored_height,
                  std::uint32_t image_size) {
    out.write_u32(info_header_size);
    out.write_u32(pixels.width);
    out.write_u32(stored_height);
    out.write_u16(1);  // planes
    out.write_u16(bit_count);
    out.write_u32(static_cast<std::uint32_t>(DibCompression::rgb));
    out.write_u32(image_size);
    out.write_u32(0);  // horizontal resolution
    out.write_u32(0);  // vertical resolution
    out.write_u32(0);  // colours used: the full palette
    out.write_u32(0);  // important colours: all
}

void write_row(std::vector<std::uint8_t>& row, const Pixels& pixels, std::uint32_t y, std::uint16_t bit_count,
               const Palette& palette) {
    std::fill(row.begin(), row.end(), 0);
    for (std::uint32_t x = 0; x < pixels.width; ++x) {
        const std::uint32_t pixel = pixels.at(x, y);
        switch (bit_count) {
            case 1: row[x / 8] |= static_cast<std::uint8_t>(palette.index_of.at(rgb_only(pixel)) << (7 - x % 8)); break;
            case 4: row[x / 2] |= static_cast<std::uint8_t>(palette.index_of.at(rgb_only(pixel)) << (x % 2 == 0 ? 4 : 0)); break;
            case 8: row[x] = palette.index_of.at(rgb_only(pixel)); break;
            case 16: {
                const auto value = static_cast<std::uint16_t>(((red_of(pixel) >> 3) << 10) |
                                                              ((green_of(pixel) >> 3) << 5) | (blue_of(pixel) >> 3));
                row[2 * x] = static_cast<std::uint8_t>(value);
                row[2 * x + 1] = static_cast<std::uint8_t>(value >> 8);
                break;
            }
            case 24:
                row[3 * x] = blue_of(pixel);
                row[3 * x + 1] = green_of(pixel);
                row[3 * x + 2] = red_of(pixel);
                break;
            default:
                row[4 * x] = blue_of(pixel);
                row[4 * x + 1] = green_of(pixel);
                row[4 * x + 2] = red_of(pixel);
                row[4 * x + 3] = alpha_of(pixel);
                break;
        }
    }
}

Result<std::vector<std::uint8_t>> encode(const Pixels& pixels, std::uint16_t bit_count, const Pixels* mask_source) {
    if (!supported_depth(bit_count)) return Error{u"Unsupported color depth"};
    if (!image_size_allowed(pixels.width, pixels.height) ||
        pixels.argb.size() != std::size_t{pixels.width} * pixels.height) {
        return Error{u"Invalid image size"};
    }
    Palette palette;
    if (bit_count <= 8) {
        auto made = make_palette(pixels, bit_count);
        if (!made) return Error{made.error()};
        palette = std::move(*made);
    }
    const auto stride = static_cast<std::size_t>(dib_row_stride(pixels.width, bit_count));
    const auto mask_stride = static_cast<std::size_t>(dib_row_stride(pixels.width, 1));
    std::size_t image_size = stride * pixels.height;
    if (mask_source) image_size += mask_stride * pixels.height;

    BinaryBuffer out;
    write_header(out, pixels, bit_count, mask_source ? 2 * pixels.height : pixels.height,
                 static_cast<std::uint32_t>(image_size));
    for (std::uint32_t color : palette.colors) {
        out.write_u8(blue_of(color));
        out.write_u8(green_of(color));
        out.write_u8(red_of(color));
        out.write_u8(0);
    }
    std::vector<std::uint8_t> row(stride);
    for (std::uint32_t y = pixels.height; y-- > 0;) {
        write_row(row, pixels, y, bit_count, palette);
        out.write_bytes(row);
    }
    if (mask_source) {
        const bool keeps_alpha = bit_count == 32;
        std::vector<std::uint8_t> mask_row(mask_stride);
        for (std::uint32_t y = pixels.height; y-- > 0;) {
            std::fill(mask_row.begin(), mask_row.end(), 0);
            for (std::uint32_t x = 0; x < pixels.width; ++x) {
                const std::uint8_t alpha = alpha_of(mask_source->at(x, y));
                if (keeps_alpha ? alpha == 0 : alpha < 128) mask_row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
            out.write_bytes(mask_row);
        }
    }
    return out.take();
}

}  // namespace

Result<std::vector<std::uint8_t>> encode_dib(const Pixels& pixels, std::uint16_t bit_count) {
    return encode(pixels, bit_count, nullptr);
}

Result<std::vector<std::uint8_t>> encode_icon_dib(const Pixels& pixels, std::uint16_t bit_count) {
    if (bit_count == 32) return encode(pixels, bit_count, &pixels);
    Pixels colors = pixels;
    for (std::uint32_t& pixel : colors.argb) {
        if (alpha_of(pixel) < 128) pixel = argb(0xFF, 0, 0, 0);
    }
    return encode(colors, bit_count, &pixels);
}

}  // namespace tavorin
