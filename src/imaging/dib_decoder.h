#pragma once
// DIB and .bmp decoding into pixels.

#include <cstdint>
#include <span>

#include "base/result.h"
#include "imaging/dib_header.h"
#include "imaging/pixels.h"

namespace tavorin {

// A DIB as held in bitmap resources: header, masks, palette, pixel rows. A 32-bit image whose
// alpha bytes are all zero was written without transparency in mind and comes out opaque.
Result<Pixels> decode_dib(std::span<const std::uint8_t> dib);

// A .bmp file (the 14-byte "BM" header, whose pixel offset is honoured, then a DIB) or a DIB.
Result<Pixels> decode_bitmap(std::span<const std::uint8_t> data);

// The colour rows alone: `height` rows (icons pass half the stored height) starting at
// `pixel_offset` of `dib`. Alpha is taken from the data only where the format has it (32-bit,
// or bit fields with an alpha mask); elsewhere pixels are opaque. Palette indexes beyond the
// palette are opaque black.
Result<Pixels> decode_dib_rows(const DibHeader& header, std::span<const std::uint8_t> dib,
                               std::uint64_t pixel_offset, std::uint32_t height);

// True when every pixel has alpha 0, as in 32-bit images that leave the fourth byte unused.
bool all_transparent(const Pixels& pixels);
void make_opaque(Pixels& pixels);

}  // namespace tavorin
