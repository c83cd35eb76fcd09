#include "script/text_scan.h"

#include "script/char_class.h"

namespace tavorin {

std::size_t line_break_length(std::u16string_view text, std::size_t pos) {
    if (pos >= text.size()) return 0;
    if (text[pos] == u'\n') return 1;
    if (text[pos] == u'\r' && pos + 1 < text.size() && text[pos + 1] == u'\n') return 2;
    return 0;
}

std::size_t continuation_length(std::u16string_view text, std::size_t pos) {
    if (pos >= text.size() || text[pos] != u'\\') return 0;
    const std::size_t brk = line_break_length(text, pos + 1);
    return brk == 0 ? 0 : brk + 1;
}

std::size_t skip_white(std::u16string_view text, std::size_t pos) {
    while (pos < text.size()) {
        if (is_white(text[pos])) {
            ++pos;
        } else if (const std::size_t n = continuation_length(text, pos)) {
            pos += n;
        } else {
            break;
        }
    }
    return pos;
}

std::size_t skip_blanks_and_tabs(std::u16string_view text, std::size_t pos) {
    while (pos < text.size() && is_blank(text[pos])) ++pos;
    return pos;
}

std::size_t logical_line_end(std::u16string_view text, std::size_t pos) {
    while (pos < text.size() && text[pos] != u'\n') {
        if (const std::size_t n = continuation_length(text, pos)) {
            pos += n;
        } else {
            ++pos;
        }
    }
    return pos;
}

std::size_t identifier_end(std::u16string_view text, std::size_t pos) {
    while (pos < text.size() && is_identifier_char(text[pos])) ++pos;
    return pos;
}

}  // namespace tavorin
