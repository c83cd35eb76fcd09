#include "model/c_string_literal.h"

#include "model/code_context.h"

namespace tavorin {

std::u16string c_string_literal(std::u16string_view stored_text, const CodeContext& context) {
    std::u16string literal;
    if (context.text_macro) {
        literal += context.macro;
        literal += u'(';
    }
    literal += u'"';
    for (std::size_t i = 0; i < stored_text.size(); ++i) {
        const char16_t c = stored_text[i];
        if (c == u'\\') {
            literal += c;
            // An escape is copied whole; a backslash ending the text would escape the closing
            // quote instead.
            literal += i + 1 < stored_text.size() ? stored_text[++i] : u'\\';
        } else if (c == u'"') {
            literal += u"\\\"";
        } else {
            literal += c;
        }
    }
    literal += u'"';
    if (context.text_macro) literal += u')';
    return literal;
}

}  // namespace tavorin
