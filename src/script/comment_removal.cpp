#include "script/comment_removal.h"

namespace tavorin {

namespace {

bool may_start_something(char16_t c) { return c == u'"' || c == u'\'' || c == u';' || c == u'/'; }

}  // namespace

bool remove_comments(std::u16string& text) {
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        while (i < n && !may_start_something(text[i])) ++i;
        if (i >= n) break;
        const char16_t c = text[i];
        if (c == u'"' || c == u'\'') {
            // A literal ends at the next equal quote or with its line. A backslash takes the
            // character after it into the literal: an escaped quote, or a line break that
            // continues the literal on the next line.
            ++i;
            while (i < n && text[i] != c && text[i] != u'\n') {
                if (text[i] == u'\\' && i + 1 < n) {
                    i += (text[i + 1] == u'\r' && i + 2 < n && text[i + 2] == u'\n') ? 3 : 2;
                    continue;
                }
                ++i;
            }
            if (i < n && text[i] == c) ++i;
        } else if (c == u';' || (c == u'/' && i + 1 < n && text[i + 1] == u'/')) {
            for (; i < n && text[i] != u'\n'; ++i) text[i] = u' ';
        } else if (c == u'/' && i + 1 < n && text[i + 1] == u'*') {
            text[i] = text[i + 1] = u' ';
            i += 2;
            while (true) {
                if (i >= n) return false;
                if (text[i] == u'*' && i + 1 < n && text[i + 1] == u'/') {
                    text[i] = text[i + 1] = u' ';
                    i += 2;
                    break;
                }
                if (text[i] != u'\n') text[i] = u' ';
                ++i;
            }
        } else {
            ++i;
        }
    }
    return true;
}

}  // namespace tavorin
