#include "script/item_id_name.h"

#include "base/text.h"

namespace tavorin {

namespace {

bool starts_symbol(char16_t c) { return c == u'_' || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c > 0x7F; }

bool is_white(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\\'; }

}  // namespace

std::u16string item_id_name(const ItemId& id, std::uint32_t value) {
    if (!id.name.empty() && starts_symbol(id.name.front())) {
        bool plain = true;
        for (char16_t c : id.name) {
            plain = plain && (starts_symbol(c) || (c >= u'0' && c <= u'9') || c == u'$');
        }
        if (plain) return id.name;
    }
    return decimal(value);
}

bool comma_before(const Lexer& lexer, std::size_t pos) {
    while (pos > 0 && is_white(lexer.at(pos - 1))) --pos;
    return pos > 0 && lexer.at(pos - 1) == u',';
}

std::size_t skip_line_blanks(const Lexer& lexer, std::size_t pos) {
    while (lexer.at(pos) == u' ' || lexer.at(pos) == u'\t' || lexer.at(pos) == u'\r') ++pos;
    return pos;
}

}  // namespace tavorin
