#include "resources/menu/menu_editing.h"

#include <algorithm>

#include "model/workspace.h"
#include "base/text.h"
#include "model/identifier_validation.h"
#include "base/text_search.h"
#include "resources/menu/menu_search.h"
#include "resources/stringtable/item_naming.h"

namespace tavorin {

namespace {

// "Insert Item" and "Delete Item": the same change in two directions.
class ItemPresenceAction : public Action {
public:
    ItemPresenceAction(bool inserted, Menu& menu, Project& project, MenuPath path, MenuItem item,
                       IdentifierValues values)
        : inserted_(inserted), menu_(menu), project_(project), path_(std::move(path)), item_(std::move(item)),
          values_(std::move(values)) {}

    std::u16string name() const override {
        return std::u16string(inserted_ ? menu_undo::insert_item : menu_undo::delete_item);
    }
    void redo() override { inserted_ ? put() : take(); }
    void undo() override { inserted_ ? take() : put(); }

private:
    void put() {
        menu_.insert_item(path_, item_, values_);
        project_.set_modified(menu_, true);
    }
    void take() {
        menu_.remove_item(path_);
        project_.set_modified(menu_, true);
    }

    bool inserted_;
    Menu& menu_;
    Project& project_;
    MenuPath path_;
    MenuItem item_;
    IdentifierValues values_;
};

bool is_prefix(const MenuPath& prefix, const MenuPath& path) {
    return prefix.size() <= path.size() && std::equal(prefix.begin(), prefix.end(), path.begin());
}

MenuPath parent_of(const MenuPath& path) { return MenuPath(path.begin(), path.end() - 1); }

}  // namespace

std::u16string menu_identifier_base(std::u16string_view caption) {
    std::u16string base = u"IDM_";
    for (char16_t c : caption) {
        const char16_t upper = ascii_upper(c);
        const bool kept = (upper >= u'A' && upper <= u'Z') || (upper >= u'0' && upper <= u'9');
        base.push_back(kept ? upper : u'_');
    }
    return base;
}

void MenuEditing::modified() { workspace_.project().set_modified(menu_, true); }

std::optional<MenuPath> MenuEditing::type_into_placeholder(const MenuPath& placeholder, std::u16string_view text) {
    if (menu_.contains(placeholder)) return std::nullopt;
    return insert_typed_item(placeholder, text);
}

std::optional<MenuPath> MenuEditing::insert_typed_item(const MenuPath& placeholder, std::u16string_view text) {
    if (text.empty() || !menu_.can_insert_at(placeholder)) return std::nullopt;
    SplitCaption caption = split_caption(text.substr(0, max_menu_caption_length));
    MenuItem item;
    item.text = std::move(caption.text);
    item.shortcut = std::move(caption.shortcut);
    IdentifierValues values;
    if (placeholder.size() == 1) {
        item.set(menu_flag::popup, true);
    } else {
        const Menu& menu = menu_;
        const ItemIdentifier identifier =
            pasted_item_identifier(menu_identifier_base(item.text), menu_.symbols(),
                                   [&menu](std::int32_t value) { return menu.uses_value(value); });
        item.identifier = identifier.name;
        values.emplace(identifier.name, identifier.value);
    }
    menu_.insert_item(placeholder, item, values);
    history_.record(std::make_unique<ItemPresenceAction>(true, menu_, workspace_.project(), placeholder, std::move(item),
                                                         std::move(values)));
    modified();
    return placeholder;
}

bool MenuEditing::delete_item(const MenuPath& path) {
    if (!menu_.contains(path)) return false;
    IdentifierValues values = menu_.identifier_values(menu_.item(path));
    MenuItem removed = menu_.remove_item(path);
    history_.record(std::make_unique<ItemPresenceAction>(false, menu_, workspace_.project(), path, std::move(removed),
                                                         std::move(values)));
    modified();
    return true;
}

bool MenuEditing::move_item(const MenuPath& from, const MenuPath& to) {
    if (!menu_.contains(from) || is_prefix(from, to) || to.empty()) return false;
    IdentifierValues values = menu_.identifier_values(menu_.item(from));
    MenuItem moved = menu_.remove_item(from);
    if (!menu_.can_insert_at(to)) {
        menu_.insert_item(from, std::move(moved), values);
        return false;
    }
    menu_.insert_item(to, moved, values);

    Menu& menu = menu_;
    Project& project = workspace_.project();
    const auto shift = [&menu, &project, values](const MenuPath& source, const MenuPath& target) {
        MenuItem item = menu.remove_item(source);
        menu.insert_item(target, std::move(item), values);
        project.set_modified(menu, true);
    };
    history_.record(std::make_unique<CallbackAction>(
        std::u16string(menu_undo::move_item), [shift, from, to] { shift(from, to); },
        [shift, from, to] { shift(to, from); }));
    modified();
    return true;
}

void MenuEditing::record_replacement(std::u16string_view label, const MenuPath& path, const MenuItem& before,
                                     const IdentifierValues& values_before, bool extended_before) {
    const MenuItem after = menu_.item(path);
    const IdentifierValues values_after = menu_.identifier_values(after);
    const bool extended_after = menu_.extended();
    Menu& menu = menu_;
    Project& project = workspace_.project();
    const auto put = [&menu, &project, path](const MenuItem& item, const IdentifierValues& values, bool extended) {
        menu.remove_item(path);
        menu.insert_item(path, item, values);
        menu.set_extended(extended);
        project.set_modified(menu, true);
    };
    history_.record(std::make_unique<CallbackAction>(
        std::u16string(label), [put, after, values_after, extended_after] { put(after, values_after, extended_after); },
        [put, before, values_before, extended_before] { put(before, values_before, extended_before); }));
    modified();
}

void MenuEditing::set_text(const MenuPath& path, std::u16string_view text) {
    const MenuItem before = menu_.item(path);
    SplitCaption caption = split_caption(text.substr(0, max_menu_caption_length));
    if (caption.text == before.text && caption.shortcut == before.shortcut) return;
    const IdentifierValues values = menu_.identifier_values(before);
    menu_.set_caption(path, std::move(caption.text), std::move(caption.shortcut));
    record_replacement(menu_undo::set_text, path, before, values, menu_.extended());
}

Status MenuEditing::set_identifier(const MenuPath& path, std::u16string_view text) {
    const MenuItem before = menu_.item(path);
    if (text == before.identifier) return success();
    if (const auto refusal = identifier_refusal(classify_identifier(text), false, workspace_.strings())) {
        workspace_.ask(*refusal, workspace_.text(str::error_caption), AskButtons::ok, AskIcon::error);
        return Error{*refusal};
    }
    const IdentifierValues values = menu_.identifier_values(before);
    menu_.set_identifier(path, std::u16string(text));
    record_replacement(menu_undo::set_identifier, path, before, values, menu_.extended());
    return success();
}

void MenuEditing::set_popup(const MenuPath& path, bool popup) {
    const MenuItem before = menu_.item(path);
    if (before.is_popup() == popup) return;
    const IdentifierValues values = menu_.identifier_values(before);
    menu_.set_popup(path, popup);
    if (!popup) {
        std::u16string caption = before.text;
        if (path.size() > 1) caption = menu_.item(parent_of(path)).text + u"_" + caption;
        menu_.set_identifier(path, menu_.symbols().free_name(menu_identifier_base(caption)));
    }
    record_replacement(popup ? menu_undo::add_popup : menu_undo::remove_popup, path, before, values,
                       menu_.extended());
}

void MenuEditing::change_flag(const MenuPath& path, std::uint32_t flag, bool on, std::u16string_view label,
                              bool needs_extended) {
    const MenuItem before = menu_.item(path);
    const bool extended_before = menu_.extended();
    const bool switches_form = on && needs_extended && !extended_before;
    if (before.has(flag) == on && !switches_form) return;
    MenuItem changed = before;
    changed.set(flag, on);
    menu_.set_flags(path, changed.flags);
    if (switches_form) menu_.set_extended(true);
    record_replacement(label, path, before, menu_.identifier_values(before), extended_before);
}

void MenuEditing::set_checked(const MenuPath& path, bool on) { change_flag(path, menu_flag::checked, on, menu_undo::checked); }
void MenuEditing::set_default(const MenuPath& path, bool on) {
    change_flag(path, menu_flag::default_item, on, menu_undo::default_item, true);
}
void MenuEditing::set_owner_draw(const MenuPath& path, bool on) {
    change_flag(path, menu_flag::owner_draw, on, menu_undo::owner_draw, true);
}
void MenuEditing::set_inactive(const MenuPath& path, bool on) {
    change_flag(path, menu_flag::inactive, on, menu_undo::inactive);
}
void MenuEditing::set_grayed(const MenuPath& path, bool on) { change_flag(path, menu_flag::grayed, on, menu_undo::grayed); }
void MenuEditing::set_help(const MenuPath& path, bool on) { change_flag(path, menu_flag::help, on, menu_undo::help); }
void MenuEditing::set_separator(const MenuPath& path, bool on) {
    if (menu_.item(path).is_popup()) return;
    change_flag(path, menu_flag::separator, on, menu_undo::separator);
}

void MenuEditing::set_extended(bool extended) {
    if (menu_.extended() == extended) return;
    menu_.set_extended(extended);
    Menu& menu = menu_;
    Project& project = workspace_.project();
    const auto put = [&menu, &project](bool form) {
        menu.set_extended(form);
        project.set_modified(menu, true);
    };
    history_.record(std::make_unique<CallbackAction>(
        std::u16string(menu_undo::form), [put, extended] { put(extended); }, [put, extended] { put(!extended); }));
    modified();
}

std::size_t MenuEditing::replace_in_captions(std::u16string_view text, std::u16string_view replacement,
                                             bool match_case) {
    if (text.empty()) return 0;
    std::size_t changed = 0;
    history_.open_group(std::u16string(menu_undo::replace));
    for (const MenuPath& path : menu_item_paths(menu_)) {
        const MenuItem& item = menu_.item(path);
        const std::u16string replaced = replace_in_text(item.text, text, replacement, match_case).text;
        if (replaced == item.text) continue;
        std::u16string caption = item.shortcut.empty() ? replaced : replaced + u"\\t" + item.shortcut;
        set_text(path, caption);
        ++changed;
    }
    history_.close_group();
    return changed;
}

void MenuEditing::set_break(const MenuPath& path, MenuBreak kind) {
    const MenuItem before = menu_.item(path);
    if (before.break_kind() == kind) return;
    MenuItem changed = before;
    changed.set_break(kind);
    menu_.set_flags(path, changed.flags);
    record_replacement(menu_undo::menu_break, path, before, menu_.identifier_values(before), menu_.extended());
}

}  // namespace tavorin
