#pragma once
// The header of a device-independent bitmap and where its parts lie: header, colour masks,
// palette, pixel rows. Understands BITMAPCOREHEADER (12 bytes), BITMAPINFOHEADER (40) and its
// longer versions (52, 56, 108, 124 bytes), uncompressed or with bit fields.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "base/result.h"

namespace tavorin {

enum class DibCompression : std::uint32_t { rgb = 0, rle8 = 1, rle4 = 2, bitfields = 3, alpha_bitfields = 6 };

inline constexpr std::uint32_t core_header_size = 12;
inline constexpr std::uint32_t info_header_size = 40;

struct DibHeader {
    std::uint32_t header_size = info_header_size;
    std::int32_t width = 0;
    // As stored: negative for top-down rows; twice the image height in icons and cursors.
    std::int32_t height = 0;
    std::uint16_t planes = 1;
    std::uint16_t bit_count = 0;
    DibCompression compression = DibCompression::rgb;
    std::uint32_t image_size = 0;
    std::uint32_t colors_used = 0;
    // Red, green, blue, alpha; the 16- and 32-bit defaults when the DIB has no bit fields.
    std::array<std::uint32_t, 4> masks{};
    // Bytes of masks that follow the header (bit fields after a 40-byte header).
    std::uint32_t masks_size = 0;
    std::uint32_t palette_entries = 0;
    std::uint32_t palette_entry_size = 4;

    bool top_down() const { return height < 0; }
    std::uint32_t rows() const;
    std::uint64_t palette_offset() const { return std::uint64_t{header_size} + masks_size; }
    std::uint64_t pixel_offset() const {
        return palette_offset() + std::uint64_t{palette_entries} * palette_entry_size;
    }
};

// Reads and checks the header, its masks and the palette's extent, for decoding. Does not check
// that the palette or the pixels are present: the decoders do that against the data they are
// given.
Result<DibHeader> read_dib_header(std::span<const std::uint8_t> dib);

// Only where the parts lie, for DIBs this program keeps without decoding (run-length encoded
// bitmaps, unusual depths): any known header size; the palette as the header declares it.
Result<DibHeader> read_dib_layout(std::span<const std::uint8_t> dib);

// Bytes of one pixel row, padded to a multiple of four.
constexpr std::uint64_t dib_row_stride(std::uint64_t width, std::uint32_t bit_count) {
    return (width * bit_count + 31) / 32 * 4;
}

}  // namespace tavorin
