#pragma once
// Little-endian fields at any offset. The bitmap file header and the directories of icon files
// and icon groups put 32-bit values at offsets that are not multiples of four, where the aligning
// reads and writes of BinaryReader and BinaryBuffer would skip or insert padding that the
// formats do not have. These go through the same bounds-checked reader and buffer byte by byte.

#include <cstdint>

#include "base/binary_buffer.h"
#include "base/binary_reader.h"

namespace tavorin {

inline std::uint16_t read_packed_u16(BinaryReader& reader) {
    const auto bytes = reader.read_bytes(2);
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

inline std::uint32_t read_packed_u32(BinaryReader& reader) {
    const auto bytes = reader.read_bytes(4);
    return std::uint32_t{bytes[0]} | (std::uint32_t{bytes[1]} << 8) | (std::uint32_t{bytes[2]} << 16) |
           (std::uint32_t{bytes[3]} << 24);
}

inline void write_packed_u16(BinaryBuffer& buffer, std::uint16_t value) {
    buffer.write_u8(static_cast<std::uint8_t>(value));
    buffer.write_u8(static_cast<std::uint8_t>(value >> 8));
}

inline void write_packed_u32(BinaryBuffer& buffer, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) buffer.write_u8(static_cast<std::uint8_t>(value >> shift));
}

}  // namespace tavorin
