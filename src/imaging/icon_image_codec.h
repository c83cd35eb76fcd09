#pragma once
// The image of one icon or cursor: a PNG stream, or a DIB with a 40-byte header whose stored
// height covers the colour rows and the AND mask below them.

#include <cstdint>
#include <span>

#include "base/result.h"
#include "imaging/pixels.h"

namespace tavorin {

struct IconImageInfo {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint16_t bit_count = 0;
    bool png = false;
};

// Size and depth from the image bytes alone; anything that is neither a PNG stream nor a DIB
// with a 40-byte header is "Invalid file structure".
Result<IconImageInfo> read_icon_image_info(std::span<const std::uint8_t> image);

// Into pixels: masked pixels become transparent. A 32-bit DIB carries its own alpha; when all
// of it is zero (images made before alpha was used) the mask decides instead.
Result<Pixels> decode_icon_image(std::span<const std::uint8_t> image);

}  // namespace tavorin
