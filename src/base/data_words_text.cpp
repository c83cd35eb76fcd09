#include "base/data_words_text.h"

#include <string>

namespace tavorin {

namespace {

constexpr std::size_t words_per_line = 8;

std::u16string hex_byte(std::uint8_t value) {
    constexpr std::u16string_view digits = u"0123456789ABCDEF";
    return {digits[value >> 4], digits[value & 0xF]};
}

}  // namespace

void write_data_words(TextWriter& out, std::span<const std::uint8_t> bytes) {
    const std::size_t words = bytes.size() / 2;
    for (std::size_t i = 0; i < words; ++i) {
        if (i % words_per_line == 0) out.line_break();
        out.write(u"0x" + hex_byte(bytes[2 * i + 1]) + hex_byte(bytes[2 * i]));
        if (i + 1 < words || bytes.size() % 2 != 0) out.write(i % words_per_line == words_per_line - 1 ? u"," : u", ");
    }
    if (bytes.size() % 2 != 0) {
        if (words % words_per_line == 0) out.line_break();
        out.write(u"\"\\x" + hex_byte(bytes.back()) + u"\"");
    }
}

}  // namespace tavorin
