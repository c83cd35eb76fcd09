// Translations compared with the base language: resources and strings missing in a language,
// texts that lose what the base text has, dialogs whose structure differs.

#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "base/escapes.h"
#include "base/text.h"
#include "checks/check_context.h"
#include "checks/control_roles.h"
#include "checks/text_features.h"
#include "checks/translation_texts.h"
#include "dialog/dialog.h"
#include "model/languages.h"
#include "model/project.h"
#include "resources/menu/menu.h"
#include "resources/stringtable/string_table.h"

namespace tavorin {

namespace {

std::u16string language_text(std::uint16_t language) { return u"0x" + hexadecimal(language, 4); }

// The language with the most resources (a string table counts once per block of sixteen
// strings, as compiled files hold it); on a tie the one with more strings, then English.
std::uint16_t base_language_of(const Project& project) {
    struct Weight {
        std::size_t resources = 0;
        std::size_t strings = 0;
    };
    std::map<std::uint16_t, Weight> weights;
    for (const auto& resource : project.resources()) {
        Weight& weight = weights[resource->language()];
        if (const auto* table = dynamic_cast<const StringTable*>(resource.get())) {
            std::set<std::int32_t> blocks;
            for (std::size_t row = 0; row < table->size(); ++row) blocks.insert(table->value_at(row) >> 4);
            weight.resources += blocks.size();
            weight.strings += table->size();
        } else {
            ++weight.resources;
        }
    }
    std::uint16_t best = 0;
    std::optional<Weight> most;
    for (const auto& [language, weight] : weights) {
        const bool better =
            !most || weight.resources > most->resources ||
            (weight.resources == most->resources &&
             (weight.strings > most->strings ||
              (weight.strings == most->strings && primary_language(language) == 9 && primary_language(best) != 9)));
        if (better) {
            best = language;
            most = weight;
        }
    }
    return best;
}

using NameKey = std::pair<ResourceKind, std::u16string>;

NameKey key_of(const Resource& resource) { return {resource.kind(), to_ascii_upper(resource.name_text())}; }

bool translated_kind(ResourceKind k) { return k == kind::dialog || k == kind::menu; }

void report_differences(CheckContext& context, const Resource& resource, const std::u16string& item,
                        const std::u16string& anchor, std::u16string_view base, std::u16string_view translated) {
    for (TextDifference& difference : translation_differences(base, translated)) {
        context.report(difference.check, resource, item,
                       item + u": " + difference.message + u" (" + quoted_for_message(translated) + u", base " +
                           quoted_for_message(base) + u")",
                       anchor);
    }
}

// The first way the translated dialog's structure differs from the base dialog's; empty when
// none does.
// Chinese, Japanese and Korean dialogs take a larger point size by custom: their characters
// need it.
bool takes_larger_font(std::uint16_t language) {
    const std::uint16_t primary = primary_language(language);
    return primary == 0x04 || primary == 0x11 || primary == 0x12;
}

std::u16string structure_difference(const Dialog& base, const Dialog& translated) {
    const bool size_differs = base.font().point_size != translated.font().point_size &&
                              !(takes_larger_font(translated.language()) && translated.font().point_size > base.font().point_size);
    if (!equals_ignore_case(base.font().face, translated.font().face) || size_differs) {
        return u"the font " + translated.font().face + u", " + decimal(translated.font().point_size) +
               u" differs from the base's " + base.font().face + u", " + decimal(base.font().point_size);
    }
    if (base.style() != translated.style()) {
        return u"the dialog's style 0x" + hexadecimal(translated.style(), 8) + u" differs from the base's 0x" +
               hexadecimal(base.style(), 8);
    }
    const auto& a = base.controls();
    const auto& b = translated.controls();
    if (a.size() != b.size()) {
        return u"it has " + decimal(b.size()) + u" controls, the base " + decimal(a.size());
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const Control& x = *a[i];
        const Control& y = *b[i];
        const std::u16string where = u"control " + decimal(i + 1) + u" (" + control_label(y) + u")";
        if (x.kind() != y.kind() || !equals_ignore_case(x.window_class(), y.window_class())) {
            return where + u" is of another kind or class than the base's " + control_label(x);
        }
        if (x.identifier_value() != y.identifier_value()) {
            return where + u" has the id " + decimal(y.identifier_value()) + u", the base's " +
                   decimal(x.identifier_value());
        }
        if (x.style() != y.style() || x.extended_style() != y.extended_style()) {
            return where + u" has the style 0x" + hexadecimal(y.style(), 8) + u", the base's 0x" +
                   hexadecimal(x.style(), 8);
        }
    }
    return {};
}

void compare_dialogs(CheckContext& context, const Dialog& base, const Dialog& translated) {
    const std::u16string difference = structure_difference(base, translated);
    if (!difference.empty()) {
        context.report("TV4009", translated, {}, u"compared with language " + language_text(base.language()) + u": " + difference);
    }
    if (!base.caption().empty() && !translated.caption().empty()) {
        report_differences(context, translated, u"caption", u"\"" + translated.caption() + u"\"",
                           unescape_stored_text(base.caption()), unescape_stored_text(translated.caption()));
    }
    const auto& a = base.controls();
    const auto& b = translated.controls();
    if (a.size() != b.size()) return;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i]->caption_is_reference() || b[i]->caption_is_reference()) continue;
        if (a[i]->text().empty() || b[i]->text().empty()) continue;
        if (text_layout_of(*b[i]) == TextLayout::none && a[i]->kind() != ControlKind::edit) continue;
        report_differences(context, translated, control_label(*b[i]), control_anchor(*b[i]),
                           unescape_stored_text(a[i]->text()), unescape_stored_text(b[i]->text()));
    }
}

void collect_items(const Menu& menu, const MenuItems& items, std::map<std::int32_t, const MenuItem*>& by_value) {
    for (const MenuItem& item : items) {
        if (item.is_popup()) {
            collect_items(menu, item.submenu, by_value);
        } else if (!item.identifier.empty() && !item.is_separator()) {
            by_value.emplace(menu.value_of(item), &item);
        }
    }
}

void compare_popups(CheckContext& context, const MenuItems& base, const MenuItems& translated, const Menu& menu) {
    if (base.size() != translated.size()) return;
    for (std::size_t i = 0; i < base.size(); ++i) {
        if (!base[i].is_popup() || !translated[i].is_popup()) continue;
        report_differences(context, menu, quoted_for_message(unescape_stored_text(translated[i].text)),
                           u"\"" + translated[i].text + u"\"", unescape_stored_text(base[i].text),
                           unescape_stored_text(translated[i].text));
        compare_popups(context, base[i].submenu, translated[i].submenu, menu);
    }
}

void compare_menus(CheckContext& context, const Menu& base, const Menu& translated) {
    std::map<std::int32_t, const MenuItem*> base_items, translated_items;
    collect_items(base, base.items(), base_items);
    collect_items(translated, translated.items(), translated_items);
    for (const auto& [value, item] : translated_items) {
        const auto it = base_items.find(value);
        if (it == base_items.end()) continue;
        const std::u16string text = unescape_stored_text(joined_caption(*item, u"\t"));
        report_differences(context, translated, item->identifier, u"\"" + joined_caption(*item, u"\\t") + u"\"",
                           unescape_stored_text(joined_caption(*it->second, u"\t")), text);
    }
    compare_popups(context, base.items(), translated.items(), translated);
}

void compare_strings(CheckContext& context, const StringTable& base, const StringTable& translated) {
    std::map<std::int32_t, std::size_t> base_rows;
    for (std::size_t row = 0; row < base.size(); ++row) base_rows.emplace(base.value_at(row), row);
    for (std::size_t row = 0; row < translated.size(); ++row) {
        const auto it = base_rows.find(translated.value_at(row));
        if (it == base_rows.end()) continue;
        const StringEntry& entry = translated.entry(row);
        report_differences(context, translated, entry.identifier, entry.identifier,
                           unescape_stored_text(base.entry(it->second).text), unescape_stored_text(entry.text));
    }
}

void check_missing_strings(CheckContext& context, const StringTable& base,
                           const std::vector<const StringTable*>& tables) {
    // A language falls back to another of its primary language, so a string either of them has
    // is not missing.
    std::map<std::uint16_t, std::set<std::int32_t>> values_by_primary;
    for (const StringTable* table : tables) {
        auto& values = values_by_primary[primary_language(table->language())];
        for (std::size_t row = 0; row < table->size(); ++row) values.insert(table->value_at(row));
    }
    for (const StringTable* table : tables) {
        if (table == &base || primary_language(table->language()) == primary_language(base.language())) continue;
        const auto& values = values_by_primary[primary_language(table->language())];
        for (std::size_t row = 0; row < base.size(); ++row) {
            if (values.contains(base.value_at(row))) continue;
            const StringEntry& entry = base.entry(row);
            context.report("TV4002", *table, entry.identifier,
                           entry.identifier + u" " + quoted_for_message(unescape_stored_text(entry.text)) +
                               u" of language " + language_text(base.language()) + u" is missing in language " +
                               language_text(table->language()));
        }
    }
}

}  // namespace

void check_languages(CheckContext& context) {
    const Project& project = context.project();
    const std::uint16_t base = context.options().base_language.value_or(base_language_of(project));
    std::map<NameKey, std::map<std::uint16_t, const Resource*>> translations;
    std::set<std::uint16_t> translated_languages;
    std::vector<const StringTable*> tables;
    const StringTable* base_table = nullptr;
    for (const auto& resource : project.resources()) {
        if (translated_kind(resource->kind())) {
            translations[key_of(*resource)].emplace(resource->language(), resource.get());
            translated_languages.insert(resource->language());
        } else if (const auto* table = dynamic_cast<const StringTable*>(resource.get())) {
            tables.push_back(table);
            if (table->language() == base) base_table = table;
        }
    }
    if (context.enabled("TV4001")) {
        std::set<std::uint16_t> primaries;
        for (const auto& [key, languages] : translations) {
            const auto base_it = languages.find(base);
            if (base_it == languages.end()) continue;
            for (std::uint16_t language : translated_languages) {
                if (primary_language(language) == primary_language(base)) continue;
                const bool present = std::any_of(languages.begin(), languages.end(), [&](const auto& entry) {
                    return primary_language(entry.first) == primary_language(language);
                });
                if (present) continue;
                const Resource& original = *base_it->second;
                context.report("TV4001", original, {},
                               original.tree_name() + u" of language " + language_text(base) +
                                   u" has no version in language " + language_text(language));
            }
        }
    }
    for (const auto& [key, languages] : translations) {
        const auto base_it = languages.find(base);
        if (base_it == languages.end()) continue;
        for (const auto& [language, resource] : languages) {
            if (language == base) continue;
            if (const auto* dialog = dynamic_cast<const Dialog*>(resource)) {
                if (const auto* base_dialog = dynamic_cast<const Dialog*>(base_it->second)) {
                    compare_dialogs(context, *base_dialog, *dialog);
                }
            } else if (const auto* menu = dynamic_cast<const Menu*>(resource)) {
                if (const auto* base_menu = dynamic_cast<const Menu*>(base_it->second)) {
                    compare_menus(context, *base_menu, *menu);
                }
            }
        }
    }
    if (base_table != nullptr) {
        if (context.enabled("TV4002")) check_missing_strings(context, *base_table, tables);
        for (const StringTable* table : tables) {
            if (table != base_table) compare_strings(context, *base_table, *table);
        }
    }
}

}  // namespace tavorin
