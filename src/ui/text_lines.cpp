#include "ui/text_lines.h"

namespace tavorin {

std::u16string with_crlf_line_breaks(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size() + text.size() / 32);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r') {
            out += u"\r\n";
            if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        } else if (c == u'\n') {
            out += u"\r\n";
        } else {
            out.push_back(c);
        }
    }
    return out;
}

TextSpan line_span(std::u16string_view text, int line) {
    std::size_t start = 0;
    for (int current = 1; current < line; ++current) {
        const std::size_t end = text.find(u"\r\n", start);
        if (end == std::u16string_view::npos) return TextSpan{text.size(), text.size()};
        start = end + 2;
    }
    const std::size_t end = text.find(u"\r\n", start);
    return TextSpan{start, end == std::u16string_view::npos ? text.size() : end + 2};
}

}  // namespace tavorin
