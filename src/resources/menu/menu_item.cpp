#include "resources/menu/menu_item.h"

namespace tavorin {

SplitCaption split_caption(std::u16string_view caption) {
    for (std::size_t i = 0; i < caption.size(); ++i) {
        std::size_t length = 0;
        if (caption[i] == u'\t') length = 1;
        if (caption[i] == u'\\' && i + 1 < caption.size() && caption[i + 1] == u't') length = 2;
        if (length == 0) {
            // A doubled backslash is one backslash, not the start of an escape.
            if (caption[i] == u'\\' && i + 1 < caption.size()) ++i;
            continue;
        }
        return {std::u16string(caption.substr(0, i)), std::u16string(caption.substr(i + length))};
    }
    return {std::u16string(caption), {}};
}

std::u16string joined_caption(const MenuItem& item, std::u16string_view separator) {
    if (item.shortcut.empty()) return item.text;
    std::u16string text = item.text;
    text += separator;
    text += item.shortcut;
    return text;
}

}  // namespace tavorin
