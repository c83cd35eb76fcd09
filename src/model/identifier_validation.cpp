#include "model/identifier_validation.h"

#include "services/string_ids.h"
#include "services/ui_strings.h"

namespace tavorin {

namespace {

bool is_ascii_letter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool is_digit(char16_t c) { return c >= u'0' && c <= u'9'; }

bool is_forbidden(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'@' || c == u'`';
}

}  // namespace

IdentifierClass classify_identifier(std::u16string_view text) {
    if (text.empty()) return IdentifierClass::invalid;
    for (const char16_t c : text) {
        if (is_forbidden(c)) return IdentifierClass::invalid;
    }

    if (is_ascii_letter(text[0]) || text[0] == u'_') {
        for (const char16_t c : text) {
            if (!is_ascii_letter(c) && !is_digit(c) && c != u'_') return IdentifierClass::string;
        }
        return IdentifierClass::symbol;
    }

    const std::u16string_view digits = text[0] == u'-' ? text.substr(1) : text;
    if (digits.empty()) return IdentifierClass::string;
    bool big = false;
    std::uint32_t value = 0;
    for (const char16_t c : digits) {
        if (!is_digit(c)) return IdentifierClass::string;
        if (!big) {
            value = value * 10 + static_cast<std::uint32_t>(c - u'0');
            big = value >= 0x10000;
        }
    }
    // "-70000" is refused like "70000": its 16-bit ordinal would be some unrelated number.
    return big ? IdentifierClass::too_big : IdentifierClass::ordinal;
}

std::optional<std::u16string> identifier_refusal(IdentifierClass kind, bool allow_string_names,
                                                 const UiStrings& strings) {
    switch (kind) {
    case IdentifierClass::symbol:
    case IdentifierClass::ordinal: return std::nullopt;
    case IdentifierClass::too_big: return strings.text(str::number_too_big_word);
    case IdentifierClass::string:
        if (allow_string_names) return std::nullopt;
        return strings.text(str::invalid_id);
    case IdentifierClass::invalid: return strings.text(str::invalid_id);
    }
    return strings.text(str::invalid_id);
}

}  // namespace tavorin
