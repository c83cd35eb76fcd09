#pragma once
// Small icon images and files for the image resource tests, built from commented bytes or with
// the encoders.

#include <cstdint>
#include <vector>

#include "imaging/dib_encoder.h"
#include "imaging/png_codec.h"
#include "imaging/image_bytes.h"

namespace tavorin::test {

// A 1 x 1 icon image of one bit per pixel (56 bytes).
inline Bytes tiny_icon_dib(std::uint8_t color_index = 1) {
    Bytes image = info_header(1, 2, 1);  // stored height 2: colour row and mask row
    append(image, {0, 0, 0, 0,           // palette 0: black
                   0xFF, 0xFF, 0xFF, 0});  // palette 1: white
    append(image, {static_cast<std::uint8_t>(color_index << 7), 0, 0, 0});  // colour row
    append(image, {0, 0, 0, 0});         // mask row: opaque
    return image;
}

// An icon image of the given size and depth whose pixels follow a pattern.
inline Bytes pattern_icon(std::uint32_t side, std::uint16_t bit_count) {
    Pixels pixels(side, side);
    const std::uint32_t colors[] = {argb(0xFF, 0, 0, 0), argb(0xFF, 0xFF, 0xFF, 0xFF), argb(0xFF, 0xFF, 0, 0),
                                    argb(0, 0, 0, 0)};
    for (std::uint32_t y = 0; y < side; ++y) {
        for (std::uint32_t x = 0; x < side; ++x) {
            std::uint32_t pixel = colors[(x + 2 * y) % (bit_count == 1 ? 2 : 4)];
            if (bit_count >= 24 && alpha_of(pixel) == 0xFF) pixel = argb(bit_count == 32 ? 0x80 : 0xFF, x & 0xFF, y & 0xFF, 7);
            pixels.at(x, y) = pixel;
        }
    }
    return bit_count == 0 ? *encode_png(pixels) : *encode_icon_dib(pixels, bit_count);
}

// An .ico or .cur file: header, directory entries and the images in order.
struct FileImage {
    Bytes bytes;
    std::uint8_t width;
    std::uint8_t height;
    std::uint16_t planes_or_x;
    std::uint16_t bit_count_or_y;
};

inline Bytes icon_file(std::uint16_t type, const std::vector<FileImage>& images) {
    Bytes file;
    put_u16(file, 0);                                           // reserved
    put_u16(file, type);                                        // 1 icon, 2 cursor
    put_u16(file, static_cast<std::uint16_t>(images.size()));   // count
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (const FileImage& image : images) {
        append(file, {image.width, image.height, 0, 0});        // width, height, colours, reserved
        put_u16(file, image.planes_or_x);
        put_u16(file, image.bit_count_or_y);
        put_u32(file, static_cast<std::uint32_t>(image.bytes.size()));
        put_u32(file, offset);
        offset += static_cast<std::uint32_t>(image.bytes.size());
    }
    for (const FileImage& image : images) append(file, image.bytes);
    return file;
}

}  // namespace tavorin::test
