#include "resources/rawdata/hex_editing.h"

#include <algorithm>

#include "resources/rawdata/hex_view.h"

namespace tavorin {

std::size_t hex_column_of(std::size_t byte_in_row) { return byte_in_row * 3 + (byte_in_row >= 8 ? 1 : 0); }

std::optional<HexCaret> hex_caret_at_column(std::size_t column, std::size_t row_length) {
    for (std::size_t byte = 0; byte < std::min(row_length, hex_view_row_length); ++byte) {
        const std::size_t first = hex_column_of(byte);
        if (column == first) return HexCaret{byte, false};
        if (column == first + 1) return HexCaret{byte, true};
    }
    return std::nullopt;
}

std::uint8_t with_digit(std::uint8_t byte, bool low_digit, std::uint8_t digit) {
    digit &= 0x0F;
    return low_digit ? static_cast<std::uint8_t>((byte & 0xF0) | digit)
                     : static_cast<std::uint8_t>((byte & 0x0F) | (digit << 4));
}

HexCaret advance(HexCaret caret, std::size_t size) {
    if (size == 0) return HexCaret{};
    if (!caret.low_digit) return HexCaret{caret.offset, true};
    if (caret.offset + 1 >= size) return caret;
    return HexCaret{caret.offset + 1, false};
}

HexCaret move_by_bytes(HexCaret caret, std::ptrdiff_t bytes, std::size_t size) {
    if (size == 0) return HexCaret{};
    const auto last = static_cast<std::ptrdiff_t>(size - 1);
    const std::ptrdiff_t target = std::clamp(static_cast<std::ptrdiff_t>(caret.offset) + bytes, std::ptrdiff_t{0}, last);
    return HexCaret{static_cast<std::size_t>(target), false};
}

}  // namespace tavorin
