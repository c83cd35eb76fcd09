// Menus and accelerators: one mnemonic on two items of a menu level, shortcuts a menu item shows
// but no accelerator of its language gives (or gives to another command), one key twice in an
// accelerator table.

#include <map>
#include <vector>

#include "base/escapes.h"
#include "base/text.h"
#include "checks/check_context.h"
#include "checks/shortcut_text.h"
#include "checks/text_features.h"
#include "model/languages.h"
#include "model/project.h"
#include "resources/accelerator/accelerator_table.h"
#include "resources/menu/menu.h"

namespace tavorin {

namespace {

std::u16string item_label(const MenuItem& item) {
    return quoted_for_message(unescape_stored_text(joined_caption(item, u"\\t")));
}

std::u16string item_anchor(const MenuItem& item) { return u"\"" + joined_caption(item, u"\\t") + u"\""; }

void check_level_mnemonics(CheckContext& context, const Menu& menu, const MenuItems& items) {
    std::map<char16_t, std::vector<const MenuItem*>> users;
    for (const MenuItem& item : items) {
        if (item.is_separator()) continue;
        if (auto key = mnemonic_of(unescape_stored_text(item.text))) users[*key].push_back(&item);
        if (item.is_popup()) check_level_mnemonics(context, menu, item.submenu);
    }
    for (const auto& [key, list] : users) {
        if (list.size() < 2) continue;
        std::u16string names;
        for (const MenuItem* item : list) names += (names.empty() ? u"" : u", ") + item_label(*item);
        context.report("TV3001", menu, item_label(*list[1]),
                       u"the mnemonic " + std::u16string(1, key) + u" is used by " + decimal(list.size()) +
                           u" items of one menu level: " + names,
                       item_anchor(*list[1]));
    }
}

// The keys edit and rich edit controls handle themselves: a menu may show them with no
// accelerator behind them.
bool is_edit_control_key(const KeyChord& chord) {
    if (chord.alt) return false;
    if (chord.control && !chord.shift) {
        return chord.key == 'C' || chord.key == 'V' || chord.key == 'X' || chord.key == 'Z' || chord.key == 'A' ||
               chord.key == 0x2D;  // Ctrl+Ins
    }
    if (!chord.control) return chord.key == 0x2E || (chord.shift && chord.key == 0x2D);  // Del, Shift+Del, Shift+Ins
    return false;
}

std::u16string chord_text(const KeyChord& chord) {
    std::u16string text;
    if (chord.control) text += u"Ctrl+";
    if (chord.shift) text += u"Shift+";
    if (chord.alt) text += u"Alt+";
    const bool plain = (chord.key >= u'A' && chord.key <= u'Z') || (chord.key >= u'0' && chord.key <= u'9');
    if (plain) return text + std::u16string(1, static_cast<char16_t>(chord.key));
    if (chord.key >= 0x70 && chord.key <= 0x87) return text + u"F" + decimal(chord.key - 0x70 + 1);
    return text + u"key 0x" + hexadecimal(chord.key, 2);
}

// The tables a menu of this language takes its keys from: those of the same language, else
// those of the same primary language, else all.
std::vector<const AcceleratorTable*> tables_for(const std::vector<const AcceleratorTable*>& tables,
                                                std::uint16_t language) {
    std::vector<const AcceleratorTable*> same, primary;
    for (const AcceleratorTable* table : tables) {
        if (table->language() == language) same.push_back(table);
        if (primary_language(table->language()) == primary_language(language)) primary.push_back(table);
    }
    if (!same.empty()) return same;
    if (!primary.empty()) return primary;
    return tables;
}

void check_shortcuts(CheckContext& context, const Menu& menu, const MenuItems& items,
                     const std::vector<const AcceleratorTable*>& tables) {
    for (const MenuItem& item : items) {
        if (item.is_popup()) {
            check_shortcuts(context, menu, item.submenu, tables);
            continue;
        }
        if (item.shortcut.empty() || item.identifier.empty()) continue;
        const auto chord = parse_shortcut(unescape_stored_text(item.shortcut));
        // Alt+F4 closes the window through the system menu, with no accelerator.
        if (!chord || *chord == KeyChord{0x73, false, false, true}) continue;
        const std::int32_t command = menu.value_of(item);
        const AcceleratorEntry* other = nullptr;
        const AcceleratorTable* other_table = nullptr;
        bool given = false;
        for (const AcceleratorTable* table : tables) {
            for (const AcceleratorEntry& entry : table->entries()) {
                if (!(chord_of(entry) == *chord)) continue;
                if (table->value_of(entry) == command) {
                    given = true;
                } else if (other == nullptr) {
                    other = &entry;
                    other_table = table;
                }
            }
        }
        if (given) continue;
        const std::u16string shortcut = unescape_stored_text(item.shortcut);
        if (other != nullptr) {
            context.report("TV3003", menu, item_label(item),
                           item_label(item) + u" (" + item.identifier + u") shows " + shortcut + u", which " +
                               other_table->tree_name() + u" gives to " + other->identifier,
                           item_anchor(item));
        } else if (!is_edit_control_key(*chord)) {
            context.report("TV3002", menu, item_label(item),
                           item_label(item) + u" (" + item.identifier + u") shows " + shortcut +
                               u", which no accelerator of its language gives",
                           item_anchor(item));
        }
    }
}

void check_duplicate_keys(CheckContext& context, const AcceleratorTable& table) {
    // An ASCII entry answers to the character its key makes: "^O" to Ctrl+O like a VIRTKEY entry.
    std::map<std::tuple<std::uint16_t, bool, bool, bool>, std::vector<const AcceleratorEntry*>> keys;
    for (const AcceleratorEntry& entry : table.entries()) {
        const KeyChord chord = chord_of(entry);
        keys[{chord.key, chord.control, chord.shift, chord.alt}].push_back(&entry);
    }
    for (const auto& [key, entries] : keys) {
        if (entries.size() < 2) continue;
        std::u16string commands;
        for (const AcceleratorEntry* entry : entries) commands += (commands.empty() ? u"" : u", ") + entry->identifier;
        const AcceleratorEntry& second = *entries[1];
        const std::u16string key_shown = second.key.is_virtual() ? chord_text(chord_of(second))
                                                                 : u"\"" + key_text(second.key) + u"\"";
        context.report("TV3101", table, second.identifier,
                       u"the key " + key_shown + u" is given " + decimal(entries.size()) + u" times: " + commands,
                       second.identifier);
    }
}

}  // namespace

void check_menus_and_accelerators(CheckContext& context) {
    std::vector<const AcceleratorTable*> tables;
    for (const Resource* resource : context.project().resources_of_kind(kind::accelerator)) {
        if (const auto* table = dynamic_cast<const AcceleratorTable*>(resource)) tables.push_back(table);
    }
    for (const Resource* resource : context.project().resources_of_kind(kind::menu)) {
        const auto* menu = dynamic_cast<const Menu*>(resource);
        if (menu == nullptr) continue;
        if (context.enabled("TV3001")) check_level_mnemonics(context, *menu, menu->items());
        // Without any accelerator table the program handles its keys itself.
        if (!tables.empty() && (context.enabled("TV3002") || context.enabled("TV3003"))) {
            check_shortcuts(context, *menu, menu->items(), tables_for(tables, menu->language()));
        }
    }
    if (context.enabled("TV3101")) {
        for (const AcceleratorTable* table : tables) check_duplicate_keys(context, *table);
    }
}

}  // namespace tavorin
