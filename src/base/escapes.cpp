#include "base/escapes.h"

#include <algorithm>
#include <array>

namespace tavorin {

namespace {

struct EscapeTables {
    std::array<char16_t, 128> to_character{};
    std::array<char16_t, 128> to_letter{};
    std::array<std::int16_t, 256> hex{};
};

constexpr EscapeTables make_tables() {
    EscapeTables t{};
    constexpr std::pair<char16_t, char16_t> pairs[] = {
        {u'a', 7},     {u'b', 8},       {u'f', 12},      {u'n', 10},     {u'r', 13},    {u't', 9},
        {u'v', 11},    {u'\\', u'\\'},  {u'\'', u'\''},  {u'"', u'"'},   {u'?', u'?'},
    };
    for (auto [letter, character] : pairs) {
        t.to_character[letter] = character;
        t.to_letter[character] = letter;
    }
    for (auto& h : t.hex) h = -1;
    for (int i = 0; i < 10; ++i) t.hex['0' + i] = static_cast<std::int16_t>(i);
    for (int i = 0; i < 6; ++i) {
        t.hex['A' + i] = static_cast<std::int16_t>(10 + i);
        t.hex['a' + i] = static_cast<std::int16_t>(10 + i);
    }
    return t;
}

constexpr EscapeTables tables = make_tables();

}  // namespace

char16_t escape_character(char16_t letter) { return letter < 128 ? tables.to_character[letter] : 0; }

char16_t escape_letter(char16_t character) { return character < 128 ? tables.to_letter[character] : 0; }

int hex_digit_value(char16_t c) { return c < 256 ? tables.hex[c] : -1; }

std::u16string escape_stored_text(std::u16string_view raw) {
    std::u16string out;
    out.reserve(raw.size());
    for (char16_t c : raw) {
        // "\a" means 8 to compilers (see unescape_stored_text); the bell keeps its number.
        if (c == 7) {
            out += u"\\x07";
            continue;
        }
        if (const char16_t letter = escape_letter(c)) {
            out.push_back(u'\\');
            out.push_back(letter);
        } else {
            out.push_back(c);
        }
    }
    return out;
}

namespace {

int digit_value(char16_t c, int base) {
    int value = -1;
    if (c >= u'0' && c <= u'9') value = c - u'0';
    if (c >= u'a' && c <= u'f') value = c - u'a' + 10;
    if (c >= u'A' && c <= u'F') value = c - u'A' + 10;
    return value < base ? value : -1;
}

// "\xHH" (up to two hexadecimal digits, as compilers read them in narrow strings: "\xB0ABC" is a
// degree sign and "ABC") or "\ooo" (up to three octal digits) at `i`: the character and the
// length of the sequence, or 0 when there is none.
std::size_t numeric_escape(std::u16string_view stored, std::size_t i, char16_t& character) {
    const bool hex = stored[i + 1] == u'x' || stored[i + 1] == u'X';
    const int base = hex ? 16 : 8;
    const std::size_t first = hex ? i + 2 : i + 1;
    const std::size_t limit = hex ? 2 : 3;
    std::uint32_t value = 0;
    std::size_t n = 0;
    for (; n < limit && first + n < stored.size(); ++n) {
        const int digit = digit_value(stored[first + n], base);
        if (digit < 0) break;
        value = value * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(digit);
    }
    if (n == 0) return 0;
    character = static_cast<char16_t>(value);
    return first + n - i;
}

}  // namespace

std::u16string unescape_stored_text(std::u16string_view stored) {
    std::u16string out;
    out.reserve(stored.size());
    std::size_t i = 0;
    while (i < stored.size()) {
        // The text up to the next backslash goes over in one piece.
        const std::size_t backslash = std::min(stored.find(u'\\', i), stored.size());
        out.append(stored.substr(i, backslash - i));
        i = backslash;
        if (i == stored.size()) break;
        if (i + 1 < stored.size()) {
            // Resource compilers turn "\a" into 8, the mark that right-aligns the rest of a menu
            // item, and read numeric escapes.
            if (stored[i + 1] == u'a') {
                out.push_back(u'\b');
                i += 2;
                continue;
            }
            char16_t numeric = 0;
            if (const std::size_t length = numeric_escape(stored, i, numeric)) {
                out.push_back(numeric);
                i += length;
                continue;
            }
            if (const char16_t character = escape_character(stored[i + 1])) {
                out.push_back(character);
                i += 2;
                continue;
            }
        }
        out.push_back(u'\\');
        ++i;
    }
    return out;
}

}  // namespace tavorin
