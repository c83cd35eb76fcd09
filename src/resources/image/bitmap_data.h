#pragma once
// The forms of a bitmap resource's bytes: the RT_BITMAP data (a DIB), the .bmp file (the same
// DIB after a 14-byte file header), and what is kept in memory (a DIB).

#include <cstdint>
#include <span>
#include <vector>

#include "base/result.h"

namespace tavorin {

// RT_BITMAP data or a .bmp file into the DIB kept in memory: a leading "BM" file header is
// dropped, and what remains must start with a 40-byte BITMAPINFOHEADER, else
// "Invalid file structure". The pixels are not decoded: a bitmap the codecs cannot show (run-length
// encoded, say) is still kept and written back as it came.
Result<std::vector<std::uint8_t>> decode_bitmap_resource(std::span<const std::uint8_t> data);

// The RT_BITMAP data: the DIB without any file header, and two zero bytes more when its length
// leaves 2 over a multiple of four (the two bytes count in the resource's size).
std::vector<std::uint8_t> encode_bitmap_resource(std::span<const std::uint8_t> stored);

// A .bmp file of the kept bytes (with or without file header): the 14-byte header, then the DIB.
Result<std::vector<std::uint8_t>> export_bitmap_file(std::span<const std::uint8_t> stored);

struct BitmapSize {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

// Width and height (rows, whichever way they run) from the header of the kept bytes, after a
// file header if there is one.
Result<BitmapSize> bitmap_size(std::span<const std::uint8_t> stored);

}  // namespace tavorin
