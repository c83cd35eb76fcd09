#include "script/number_scan.h"

#include "base/escapes.h"
#include "script/char_class.h"

namespace tavorin {

std::optional<ScannedNumber> scan_number(std::u16string_view text, std::size_t pos) {
    if (pos >= text.size() || !is_ascii_digit(text[pos])) return std::nullopt;
    ScannedNumber number;
    std::size_t i = pos;
    if (text[i] == u'0' && i + 1 < text.size() && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        i += 2;
        for (int digit; i < text.size() && (digit = hex_digit_value(text[i])) >= 0; ++i) {
            number.too_large = number.too_large || number.value > 0x0FFFFFFFu;
            number.value = number.value * 16u + static_cast<std::uint32_t>(digit);
        }
    } else {
        for (; i < text.size() && is_ascii_digit(text[i]); ++i) {
            const auto digit = static_cast<std::uint32_t>(text[i] - u'0');
            number.too_large = number.too_large || number.value > (0xFFFFFFFFu - digit) / 10u;
            number.value = number.value * 10u + digit;
        }
    }
    // The type suffixes of C (L, l, U, u and their pairs): the mingw-w64 headers write their long
    // constants with a lower-case "l" pasted on (0x00000001l).
    for (int letters = 0; letters < 3 && i < text.size(); ++letters, ++i) {
        const char16_t c = text[i];
        if (c != u'L' && c != u'l' && c != u'U' && c != u'u') break;
    }
    number.end = i;
    return number;
}

}  // namespace tavorin
