#pragma once
// What a translated text must keep of its base text: placeholders, mnemonic ampersands, the
// shortcut after a tab, line breaks, leading and trailing blanks, a trailing ':' or '...'.

#include <string>
#include <string_view>
#include <vector>

namespace tavorin {

struct TextDifference {
    std::string_view check;
    std::u16string message;
};

// The differences of a translated text from its base text (both raw, escapes resolved).
std::vector<TextDifference> translation_differences(std::u16string_view base, std::u16string_view translated);

}  // namespace tavorin
