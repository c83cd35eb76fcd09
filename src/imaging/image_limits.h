#pragma once
// Bounds on what the decoders agree to build. A header is only a claim: the DIB decoders also
// check that the pixel bytes are really there, but a compressed PNG can claim any size, so every
// decoder refuses images above these bounds before it allocates anything.

#include <cstdint>

namespace tavorin {

inline constexpr std::uint32_t max_image_side = 32768;
// 32 Mi pixels: 128 MiB of decoded pixels, far beyond any resource image.
inline constexpr std::uint64_t max_image_pixels = std::uint64_t{1} << 25;

constexpr bool image_size_allowed(std::uint64_t width, std::uint64_t height) {
    return width > 0 && height > 0 && width <= max_image_side && height <= max_image_side &&
           width * height <= max_image_pixels;
}

}  // namespace tavorin
