#include "checks/translation_texts.h"

#include <algorithm>

#include "base/text.h"
#include "checks/text_features.h"

namespace tavorin {

namespace {

bool positional(std::u16string_view placeholder) {
    return placeholder.front() == u'{' || (placeholder.size() > 1 && placeholder[1] >= u'1' && placeholder[1] <= u'9');
}

// The number a positional placeholder names, with its printf format ("%1!s!" -> "1!s!",
// "{0:N2}" -> "0:N2").
std::u16string positional_key(std::u16string_view placeholder) {
    if (placeholder.front() == u'{') return std::u16string(placeholder.substr(1, placeholder.size() - 2));
    return std::u16string(placeholder.substr(1));
}

// East Asian texts end in full-width punctuation, which carries its own space.
bool ends_wide(std::u16string_view text) {
    while (!text.empty() && (text.back() == u' ' || text.back() == u'\t')) text.remove_suffix(1);
    return !text.empty() && text.back() >= 0x3000;
}

std::u16string joined(const std::vector<std::u16string>& items) {
    std::u16string text;
    for (const auto& item : items) text += (text.empty() ? u"" : u" ") + item;
    return text.empty() ? u"none" : text;
}

}  // namespace

std::vector<TextDifference> translation_differences(std::u16string_view base, std::u16string_view translated) {
    std::vector<TextDifference> found;
    // Printf placeholders are taken in order; positional ones may move, but each must stay.
    const auto base_all = placeholders_of(base);
    const auto translated_all = placeholders_of(translated);
    std::vector<std::u16string> base_printf, translated_printf, base_positional, translated_positional;
    for (const auto& p : base_all) (positional(p) ? base_positional : base_printf).push_back(p);
    for (const auto& p : translated_all) (positional(p) ? translated_positional : translated_printf).push_back(p);
    auto keys = [](std::vector<std::u16string> list) {
        for (auto& item : list) item = positional_key(item);
        std::sort(list.begin(), list.end());
        return list;
    };
    if (base_printf != translated_printf || keys(base_positional) != keys(translated_positional)) {
        found.push_back({"TV4003", u"the placeholders are " + joined(translated_all) + u", the base text has " +
                                       joined(base_all)});
    }
    const std::size_t base_ampersands = ampersand_count(base);
    const std::size_t translated_ampersands = ampersand_count(translated);
    if (base_ampersands != translated_ampersands) {
        found.push_back({"TV4004", u"the text has " + decimal(translated_ampersands) + u" mnemonic '&', the base text " +
                                       decimal(base_ampersands)});
    }
    if (has_tab_part(base) != has_tab_part(translated)) {
        found.push_back({"TV4005", has_tab_part(base) ? u"the text lacks the base text's shortcut part after a tab"
                                                      : u"the text has a shortcut part after a tab, the base text none"});
    }
    const std::size_t base_breaks = line_break_count(base);
    const std::size_t translated_breaks = line_break_count(translated);
    if (base_breaks != translated_breaks) {
        found.push_back({"TV4006", u"the text has " + decimal(translated_breaks) + u" line breaks, the base text " +
                                       decimal(base_breaks)});
    }
    const bool trailing_differs = has_trailing_blank(base) != has_trailing_blank(translated) && !ends_wide(translated);
    if (has_leading_blank(base) != has_leading_blank(translated) || trailing_differs) {
        found.push_back({"TV4007", u"the leading or trailing blanks differ from the base text's"});
    }
    const std::u16string_view base_end = trailing_punctuation(base);
    const std::u16string_view translated_end = trailing_punctuation(translated);
    if (base_end != translated_end) {
        found.push_back({"TV4008", u"the text ends in " +
                                       (translated_end.empty() ? std::u16string(u"neither ':' nor '...'")
                                                               : u"'" + std::u16string(translated_end) + u"'") +
                                       u", the base text in " +
                                       (base_end.empty() ? std::u16string(u"neither") : u"'" + std::u16string(base_end) + u"'")});
    }
    return found;
}

}  // namespace tavorin
