#pragma once
// Pixels into DIBs: a 40-byte header, no compression, bottom-up rows.

#include <cstdint>
#include <span>
#include <vector>

#include "base/result.h"
#include "imaging/pixels.h"

namespace tavorin {

// `bit_count` 1, 4 or 8: a full palette (2, 16 or 256 entries) of the image's distinct colours in
// order of first appearance, padded with black; fails when the image has more colours than fit.
// Alpha is dropped below 32 bits. 16 bits: five bits per channel. 32 bits keeps alpha.
Result<std::vector<std::uint8_t>> encode_dib(const Pixels& pixels, std::uint16_t bit_count);

// An icon or cursor image: the header states twice the height, the colour rows are followed by
// the AND mask (one bit per pixel, rows padded to 32 bits). A pixel is masked when its alpha is
// 0 (32 bits) or below 128 (other depths, where masked pixels are stored black, as the mask
// only lets the screen through where the colour adds nothing to it).
Result<std::vector<std::uint8_t>> encode_icon_dib(const Pixels& pixels, std::uint16_t bit_count);

}  // namespace tavorin
