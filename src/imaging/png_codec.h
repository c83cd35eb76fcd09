#pragma once
// PNG streams through libpng: the size from the IHDR chunk, decoding into pixels, encoding.

#include <cstdint>
#include <span>
#include <vector>

#include "base/result.h"
#include "imaging/pixels.h"

namespace tavorin {

// The data begins with the bytes 0x89 'P' 'N' 'G'.
bool is_png(std::span<const std::uint8_t> data);

struct PngInfo {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint16_t bit_count = 0;  // bits of one pixel: bit depth times channels
};

// From the signature and the IHDR chunk alone, without decoding.
Result<PngInfo> read_png_info(std::span<const std::uint8_t> data);

// Any PNG colour type and depth, into 8-bit straight-alpha pixels.
Result<Pixels> decode_png(std::span<const std::uint8_t> data);

// An 8-bit RGBA stream, or RGB when every pixel is opaque.
Result<std::vector<std::uint8_t>> encode_png(const Pixels& pixels);

}  // namespace tavorin
