#pragma once
// The 14-byte header that turns a DIB into a .bmp file: "BM", the file size, 0, and the offset
// of the pixel rows from the start of the file.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "base/result.h"

namespace tavorin {

inline constexpr std::size_t bitmap_file_header_size = 14;

// The data begins with "BM" (the 16-bit value 0x4D42).
bool has_bitmap_file_header(std::span<const std::uint8_t> data);

// The pixel offset stored in a bitmap file header (the caller has checked the 14 bytes exist).
std::uint32_t stored_pixel_offset(std::span<const std::uint8_t> file);

// The DIB without a leading bitmap file header, if it has one.
std::span<const std::uint8_t> without_bitmap_file_header(std::span<const std::uint8_t> data);

// A .bmp file: the header, then the DIB. The pixel offset is where the DIB's own header puts
// its rows, counting the colour masks and the palette entries the header declares.
Result<std::vector<std::uint8_t>> make_bitmap_file(std::span<const std::uint8_t> dib);

}  // namespace tavorin
