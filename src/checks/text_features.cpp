#include "checks/text_features.h"

#include "base/escapes.h"

namespace tavorin {

namespace {

bool is_digit(char16_t c) { return c >= u'0' && c <= u'9'; }

char16_t upper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

bool is_blank(char16_t c) { return c == u' ' || c == u'\t' || c == 0xA0; }

// A printf conversion at `text[at]` == '%': its length, or 0 when none starts there.
std::size_t printf_length(std::u16string_view text, std::size_t at) {
    std::size_t i = at + 1;
    // A blank is a flag too, but "50% off" is far more often prose than "% o".
    while (i < text.size() && std::u16string_view(u"-+#0").find(text[i]) != std::u16string_view::npos) ++i;
    while (i < text.size() && (is_digit(text[i]) || text[i] == u'*')) ++i;
    if (i < text.size() && text[i] == u'.') {
        ++i;
        while (i < text.size() && (is_digit(text[i]) || text[i] == u'*')) ++i;
    }
    while (i < text.size() && std::u16string_view(u"hlLqjztwI").find(text[i]) != std::u16string_view::npos) {
        if (text[i] == u'I') {
            // I32 and I64 of the Microsoft library.
            if (text.substr(i + 1, 2) == u"32" || text.substr(i + 1, 2) == u"64") i += 2;
        }
        ++i;
    }
    if (i < text.size() && std::u16string_view(u"diouxXeEfFgGaAcCsSpn").find(text[i]) != std::u16string_view::npos) {
        // "%-tegn" is prose: a conversion with flags or a size runs into no letter.
        const bool plain = i == at + 1;
        const char16_t next = i + 1 < text.size() ? text[i + 1] : u' ';
        const bool letter_follows = (next >= u'a' && next <= u'z') || (next >= u'A' && next <= u'Z');
        if (!plain && letter_follows) return 0;
        return i + 1 - at;
    }
    return 0;
}

}  // namespace

std::optional<char16_t> mnemonic_of(std::u16string_view text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&') continue;
        if (text[i + 1] == u'&') {
            ++i;
            continue;
        }
        if (is_blank(text[i + 1])) return std::nullopt;
        return upper(text[i + 1]);
    }
    return std::nullopt;
}

std::u16string drawn_text(std::u16string_view text) {
    std::u16string drawn;
    drawn.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            if (i + 1 < text.size() && text[i + 1] == u'&') {
                drawn += u'&';
                ++i;
            }
            continue;
        }
        drawn += text[i];
    }
    return drawn;
}

std::vector<std::u16string> placeholders_of(std::u16string_view text) {
    std::vector<std::u16string> found;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'%' && i + 1 < text.size()) {
            if (text[i + 1] == u'%') {
                ++i;
                continue;
            }
            if (is_digit(text[i + 1]) && text[i + 1] != u'0') {
                std::size_t end = i + 1;
                while (end < text.size() && is_digit(text[end])) ++end;
                // A message argument may carry a printf format between exclamation marks.
                if (end < text.size() && text[end] == u'!') {
                    const std::size_t close = text.find(u'!', end + 1);
                    if (close != std::u16string_view::npos) end = close + 1;
                }
                found.emplace_back(text.substr(i, end - i));
                i = end - 1;
                continue;
            }
            if (const std::size_t length = printf_length(text, i)) {
                found.emplace_back(text.substr(i, length));
                i += length - 1;
            }
        } else if (text[i] == u'{' && i + 1 < text.size() && is_digit(text[i + 1])) {
            std::size_t end = i + 1;
            while (end < text.size() && is_digit(text[end])) ++end;
            if (end < text.size() && (text[end] == u'}' || text[end] == u':' || text[end] == u',')) {
                const std::size_t close = text.find(u'}', end);
                if (close != std::u16string_view::npos) {
                    found.emplace_back(text.substr(i, close + 1 - i));
                    i = close;
                }
            }
        }
    }
    return found;
}

std::size_t ampersand_count(std::u16string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'&') continue;
        if (i + 1 < text.size() && text[i + 1] == u'&') {
            ++i;
            continue;
        }
        ++count;
    }
    return count;
}

std::size_t line_break_count(std::u16string_view text) {
    std::size_t count = 0;
    for (char16_t c : text) count += c == u'\n';
    return count;
}

bool has_tab_part(std::u16string_view text) {
    // Tabs in a text of several lines lay out columns; only a one-line text has a shortcut part.
    return text.find(u'\t') != std::u16string_view::npos && text.find(u'\n') == std::u16string_view::npos;
}

bool has_leading_blank(std::u16string_view text) { return !text.empty() && is_blank(text.front()); }

bool has_trailing_blank(std::u16string_view text) { return !text.empty() && is_blank(text.back()); }

std::u16string_view trailing_punctuation(std::u16string_view text) {
    while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
    // A mnemonic in parentheses after the text, as East Asian texts place it: "保存(&S)...".
    if (text.size() >= 4 && text.back() == u')' && text[text.size() - 4] == u'(' && text[text.size() - 3] == u'&') {
        text.remove_suffix(4);
        while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
    }
    if (text.ends_with(u"...")) return u"...";
    if (text.ends_with(u"\u2026")) return u"...";
    if (text.ends_with(u":") || text.ends_with(u"\uFF1A")) return u":";
    return {};
}

std::u16string quoted_for_message(std::u16string_view text) {
    constexpr std::size_t limit = 60;
    std::u16string shown = escape_stored_text(text.substr(0, limit));
    if (text.size() > limit) shown += u"...";
    return u"\"" + shown + u"\"";
}

}  // namespace tavorin
