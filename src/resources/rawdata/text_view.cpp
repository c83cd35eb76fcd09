#include "resources/rawdata/text_view.h"

#include <algorithm>

namespace tavorin {

TextViewContent text_view_of(std::span<const std::uint8_t> bytes, const AnsiDecoder& ansi) {
    TextViewContent content;
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        content.charset = TextCharset::unicode;
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
            const auto unit = static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
            if (unit == 0) break;
            content.text.push_back(unit);
        }
        return content;
    }
    const auto end = std::find(bytes.begin(), bytes.end(), 0);
    content.text = ansi(std::string_view(reinterpret_cast<const char*>(bytes.data()),
                                         static_cast<std::size_t>(end - bytes.begin())));
    return content;
}

std::vector<std::uint8_t> store_text_view(std::u16string_view text, TextCharset charset, const AnsiEncoder& ansi) {
    std::vector<std::uint8_t> bytes;
    if (charset == TextCharset::unicode) {
        bytes.reserve(2 + 2 * text.size());
        bytes.push_back(0xFF);
        bytes.push_back(0xFE);
        for (char16_t unit : text) {
            bytes.push_back(static_cast<std::uint8_t>(unit));
            bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
        }
        return bytes;
    }
    const std::string narrow = ansi(text);
    bytes.assign(narrow.begin(), narrow.end());
    bytes.push_back(0);
    return bytes;
}

CaretPosition caret_position(std::u16string_view text, std::size_t caret) {
    CaretPosition position;
    caret = std::min(caret, text.size());
    for (std::size_t i = 0; i < caret; ++i) {
        if (text[i] == u'\n') {
            ++position.line;
            position.column = 1;
        } else if (text[i] != u'\r') {
            ++position.column;
        }
    }
    return position;
}

}  // namespace tavorin
