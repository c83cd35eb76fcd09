#include "base/text_search.h"

#include <algorithm>

namespace tavorin {

namespace {

char16_t folded(char16_t c) {
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char16_t>(c + 32);
    return c;
}

bool matches_at(std::u16string_view text, std::size_t at, std::u16string_view what, bool match_case) {
    if (at > text.size() || what.size() > text.size() - at) return false;
    for (std::size_t i = 0; i < what.size(); ++i) {
        const char16_t a = text[at + i];
        const char16_t b = what[i];
        if (match_case ? a != b : folded(a) != folded(b)) return false;
    }
    return true;
}

}  // namespace

std::optional<std::size_t> find_in_text(std::u16string_view text, std::size_t from, const TextSearch& search) {
    if (search.what.empty() || search.what.size() > text.size()) return std::nullopt;
    const std::size_t last_start = text.size() - search.what.size();
    if (search.forward) {
        for (std::size_t at = from; at <= last_start; ++at) {
            if (matches_at(text, at, search.what, search.match_case)) return at;
        }
        return std::nullopt;
    }
    for (std::size_t at = std::min(from, last_start + 1); at-- > 0;) {
        if (matches_at(text, at, search.what, search.match_case)) return at;
    }
    return std::nullopt;
}

TextReplacement replace_in_text(std::u16string_view text, std::u16string_view what, std::u16string_view with,
                                bool match_case) {
    TextReplacement result;
    if (what.empty()) {
        result.text = text;
        return result;
    }
    const TextSearch search{what, match_case, true};
    std::size_t from = 0;
    while (const auto at = find_in_text(text, from, search)) {
        result.text.append(text.substr(from, *at - from));
        result.text.append(with);
        from = *at + what.size();
        ++result.count;
    }
    result.text.append(text.substr(from));
    return result;
}

}  // namespace tavorin
