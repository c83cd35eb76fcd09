#pragma once
// Helpers for image tests: little-endian fields appended to byte arrays, and byte patching for
// corrupted copies.

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace tavorin::test {

using Bytes = std::vector<std::uint8_t>;

inline void put_u16(Bytes& bytes, std::uint16_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void put_u32(Bytes& bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<std::uint8_t>(value >> shift));
}

inline void set_u32(Bytes& bytes, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

inline void set_u16(Bytes& bytes, std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

// A 40-byte BITMAPINFOHEADER.
inline Bytes info_header(std::int32_t width, std::int32_t height, std::uint16_t bit_count,
                         std::uint32_t compression = 0, std::uint32_t colors_used = 0) {
    Bytes bytes;
    put_u32(bytes, 40);                                   // biSize
    put_u32(bytes, static_cast<std::uint32_t>(width));    // biWidth
    put_u32(bytes, static_cast<std::uint32_t>(height));   // biHeight
    put_u16(bytes, 1);                                    // biPlanes
    put_u16(bytes, bit_count);                            // biBitCount
    put_u32(bytes, compression);                          // biCompression
    put_u32(bytes, 0);                                    // biSizeImage
    put_u32(bytes, 0);                                    // biXPelsPerMeter
    put_u32(bytes, 0);                                    // biYPelsPerMeter
    put_u32(bytes, colors_used);                          // biClrUsed
    put_u32(bytes, 0);                                    // biClrImportant
    return bytes;
}

inline void append(Bytes& bytes, std::initializer_list<std::uint8_t> more) { bytes.insert(bytes.end(), more); }
inline void append(Bytes& bytes, const Bytes& more) { bytes.insert(bytes.end(), more.begin(), more.end()); }

}  // namespace tavorin::test
