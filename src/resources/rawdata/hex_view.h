#pragma once
// The rows of the hexadecimal view of raw data: 16 bytes a row, a last shorter row for what
// remains.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tavorin {

inline constexpr std::size_t hex_view_row_length = 16;

struct HexRow {
    std::u16string offset;      // eight upper-case hexadecimal digits: "00000010"
    std::u16string hex;         // "4D 5A 90 00 03 00 00 00  04 00 ..." with a wider gap in the middle
    std::u16string characters;  // the same bytes as characters, "." for those that do not print
};

std::size_t hex_view_row_count(std::size_t size);
HexRow hex_view_row(std::span<const std::uint8_t> bytes, std::size_t row);

}  // namespace tavorin
