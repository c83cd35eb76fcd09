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
            number.value = number.value * 16u + static_cast<std::uint32_t>(digit);
        }
    } else {
        for (; i < text.size() && is_ascii_digit(text[i]); ++i) {
            number.value = number.value * 10u + static_cast<std::uint32_t>(text[i] - u'0');
        }
    }
    // Only the upper-case suffix: a lower-case "l" stays in the text.
    if (i < text.size() && text[i] == u'L') ++i;
    number.end = i;
    return number;
}

}  // namespace tavorin
