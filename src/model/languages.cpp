#include "model/languages.h"

#include "base/text.h"
#include "platform/platform.h"
#include "services/string_ids.h"
#include "services/ui_strings.h"

namespace tavorin {

void LanguageMacros::note_definition(std::u16string_view name, std::int64_t value) {
    if (starts_with(name, u"LANG_")) {
        primary_names_.try_emplace(value, name);
    } else if (starts_with(name, u"SUBLANG_")) {
        sub_names_.emplace_back(value, std::u16string(name));
    }
}

std::u16string LanguageMacros::primary_name(std::uint16_t language_id) const {
    const auto it = primary_names_.find(primary_language(language_id));
    return it == primary_names_.end() ? decimal(primary_language(language_id)) : it->second;
}

std::u16string LanguageMacros::sub_name(std::uint16_t language_id) const {
    const std::uint16_t sub = sub_language(language_id);
    const auto primary = primary_names_.find(primary_language(language_id));
    if (primary != primary_names_.end()) {
        // SUBLANG_ENGLISH_US without its first three characters is LANG_ENGLISH_US, which begins
        // with the primary name LANG_ENGLISH.
        for (const auto& [value, name] : sub_names_) {
            if (value == sub && starts_with(std::u16string_view(name).substr(3), primary->second)) return name;
        }
    }
    switch (sub) {
    case 0: return u"SUBLANG_NEUTRAL";
    case 1: return u"SUBLANG_DEFAULT";
    case 2: return u"SUBLANG_SYS_DEFAULT";
    default: return decimal(sub);
    }
}

std::u16string LanguageMacros::statement_text(std::uint16_t language_id) const {
    return u"LANGUAGE " + primary_name(language_id) + u", " + sub_name(language_id);
}

void LanguageList::build(Platform& platform, std::u16string_view neutral_name) {
    names_.clear();
    for (const std::uint16_t neutral : {0x000, 0x400, 0x800}) names_[neutral] = neutral_name;
    // Primary languages up to 0xFF: Windows names some above 126 (Maori, Occitan, Scottish
    // Gaelic, Central Kurdish...), which would otherwise show as "?".
    for (std::uint16_t primary = 1; primary <= 0xFF; ++primary) {
        for (std::uint16_t sub = 1; sub <= 20; ++sub) {
            const std::uint16_t id = make_language_id(primary, sub);
            std::u16string name = platform.language_display_name(id);
            if (!name.empty()) names_[id] = std::move(name);
        }
    }
    built_ = true;
}

const std::u16string* LanguageList::name_of(std::uint16_t id) const {
    const auto it = names_.find(id);
    return it == names_.end() ? nullptr : &it->second;
}

std::u16string LanguageList::label_of(std::uint16_t id) const {
    if (const std::u16string* name = name_of(id)) return *name;
    if (sub_language(id) == 0) {
        if (const std::u16string* first = name_of(make_language_id(primary_language(id), 1))) {
            return first->substr(0, first->find(u" ("));
        }
    }
    return u"?";
}

std::vector<LanguageList::Entry> LanguageList::entries() const {
    std::vector<Entry> out;
    out.reserve(names_.size());
    for (const auto& [id, name] : names_) out.push_back(Entry{id, name});
    return out;
}

LanguageList& ensure_language_names(LanguageList& list, Platform& platform, const UiStrings& strings) {
    if (!list.built()) list.build(platform, strings.text(str::neutral));
    return list;
}

}  // namespace tavorin
