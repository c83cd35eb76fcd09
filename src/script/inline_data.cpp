#include "script/inline_data.h"

#include "base/escapes.h"
#include "script/char_class.h"

namespace tavorin {

namespace {

void append_word(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

bool is_octal_digit(char16_t c) { return c >= u'0' && c <= u'7'; }
bool is_hex_digit(char16_t c) { return hex_digit_value(c) >= 0; }

// The length of the escape sequence at `i` (a backslash): "\x" and up to two hexadecimal
// digits, up to three octal digits, or one letter.
std::size_t escape_length(std::u16string_view stored, std::size_t i) {
    std::size_t end = i + 1;
    if (stored[end] == u'x' || stored[end] == u'X') {
        ++end;
        while (end < stored.size() && end < i + 4 && is_hex_digit(stored[end])) ++end;
        return end - i;
    }
    if (is_octal_digit(stored[end])) {
        while (end < stored.size() && end < i + 4 && is_octal_digit(stored[end])) ++end;
        return end - i;
    }
    return 2;
}

}  // namespace

bool inline_data_follows(const Lexer& lexer, std::size_t pos) {
    pos = lexer.skip_blanks(pos);
    return lexer.at(pos) == u'{' || lexer.keyword(pos, u"BEGIN").has_value();
}

bool has_long_suffix(std::u16string_view expression) {
    for (std::size_t i = 0; i < expression.size(); ++i) {
        const char16_t c = expression[i];
        if (c != u'L' && c != u'l') continue;
        // A suffix follows the digits of a number: walk back over other suffix letters to a digit.
        std::size_t j = i;
        while (j > 0 && (expression[j - 1] == u'U' || expression[j - 1] == u'u')) --j;
        if (j == 0 || !is_hex_digit(expression[j - 1])) continue;
        // ... of a number, not of a name such as ABCL.
        std::size_t start = j;
        while (start > 0 && is_identifier_char(expression[start - 1])) --start;
        if (expression[start] >= u'0' && expression[start] <= u'9') return true;
    }
    return false;
}

std::vector<std::uint8_t> narrow_string_bytes(std::u16string_view stored, const AnsiEncoder& ansi) {
    std::vector<std::uint8_t> bytes;
    std::size_t plain = 0;  // start of the characters not yet converted
    const auto flush = [&](std::size_t end) {
        const std::string converted = ansi(stored.substr(plain, end - plain));
        bytes.insert(bytes.end(), converted.begin(), converted.end());
    };
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (stored[i] != u'\\' || i + 1 >= stored.size()) continue;
        const std::size_t length = escape_length(stored, i);
        const std::u16string character = unescape_stored_text(stored.substr(i, length));
        // A backslash before a letter that is no escape stays as written.
        if (character.size() != 1) continue;
        flush(i);
        bytes.push_back(static_cast<std::uint8_t>(character[0]));
        i += length - 1;
        plain = i + 1;
    }
    flush(stored.size());
    return bytes;
}

// BEGIN value [,] value ... END, where a value is a number expression or a string.
Result<Scanned<std::vector<std::uint8_t>>> read_inline_data(Lexer& lexer, std::size_t pos, const AnsiEncoder& ansi) {
    auto after_begin = lexer.begin(pos);
    if (!after_begin) return Error{after_begin.error()};
    pos = *after_begin;
    std::vector<std::uint8_t> bytes;
    for (;;) {
        pos = lexer.skip_blanks(pos);
        if (lexer.at(pos) == u'}' || lexer.keyword(pos, u"END") || lexer.at_end(pos)) {
            auto after_end = lexer.end(pos);
            if (!after_end) return Error{after_end.error()};
            return Scanned<std::vector<std::uint8_t>>{std::move(bytes), *after_end};
        }
        const bool wide = lexer.at(pos) == u'L' && lexer.at(pos + 1) == u'"';
        if (wide || lexer.at(pos) == u'"') {
            auto text = lexer.string(pos);
            if (!text) return Error{text.error()};
            if (wide) {
                for (const char16_t c : unescape_stored_text(text->value)) append_word(bytes, c);
            } else {
                const auto narrow = narrow_string_bytes(text->value, ansi);
                bytes.insert(bytes.end(), narrow.begin(), narrow.end());
            }
            pos = lexer.optional_comma(text->end);
            continue;
        }
        auto value = lexer.expression(pos);
        if (!value) return Error{value.error()};
        append_word(bytes, value->value.value);
        if (has_long_suffix(value->value.text)) append_word(bytes, value->value.value >> 16);
        pos = lexer.optional_comma(value->end);
    }
}

}  // namespace tavorin
