#include "resources/rawdata/hex_view.h"

#include <algorithm>

#include "base/text.h"

namespace tavorin {

std::size_t hex_view_row_count(std::size_t size) { return (size + hex_view_row_length - 1) / hex_view_row_length; }

HexRow hex_view_row(std::span<const std::uint8_t> bytes, std::size_t row) {
    HexRow result;
    const std::size_t start = row * hex_view_row_length;
    if (start >= bytes.size()) return result;
    const auto part = bytes.subspan(start, std::min(hex_view_row_length, bytes.size() - start));
    result.offset = hexadecimal(static_cast<std::uint32_t>(start), 8);
    for (std::size_t i = 0; i < part.size(); ++i) {
        if (i > 0) result.hex += i == 8 ? u"  " : u" ";
        result.hex += hexadecimal(part[i], 2);
        // Control characters would break the row; the view shows Latin-1 for the rest.
        const std::uint8_t b = part[i];
        result.characters += (b < 0x20 || (b >= 0x7F && b < 0xA0)) ? u'.' : static_cast<char16_t>(b);
    }
    return result;
}

}  // namespace tavorin
