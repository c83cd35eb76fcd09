#include "resources/menu/menu.h"

#include <algorithm>
#include <stdexcept>

#include "model/workspace.h"
#include "resources/menu/menu_template.h"

namespace tavorin {

namespace {

bool any_uses_value(const MenuItems& items, const Menu& menu, std::int32_t value) {
    return std::any_of(items.begin(), items.end(), [&](const MenuItem& item) {
        return (!item.identifier.empty() && menu.value_of(item) == value) || any_uses_value(item.submenu, menu, value);
    });
}

// The list holding the item at `path`, for both constness of the menu's lists.
template <typename Items>
Items& list_at(Items& items, const MenuPath& path) {
    if (path.empty()) throw std::out_of_range("empty menu path");
    Items* list = &items;
    for (std::size_t i = 0; i + 1 < path.size(); ++i) list = &list->at(path[i]).submenu;
    return *list;
}

}  // namespace

Menu::Menu(SymbolTable& symbols, bool extended) : Resource(kind::menu), symbols_(symbols), extended_(extended) {}

Menu::~Menu() {
    for (const MenuItem& item : items_) release_identifiers(item);
}

const MenuItems& Menu::list_of(const MenuPath& path) const { return list_at(items_, path); }

const MenuItem& Menu::item(const MenuPath& path) const { return list_of(path).at(path.back()); }

MenuItems& Menu::list_mutable(const MenuPath& path) { return list_at(items_, path); }

MenuItem& Menu::item_mutable(const MenuPath& path) { return list_mutable(path).at(path.back()); }

bool Menu::contains(const MenuPath& path) const {
    if (path.empty()) return false;
    const MenuItems* list = &items_;
    for (std::size_t index : path) {
        if (index >= list->size()) return false;
        list = &(*list)[index].submenu;
    }
    return true;
}

bool Menu::can_insert_at(const MenuPath& path) const {
    if (path.empty()) return false;
    const MenuPath parent(path.begin(), path.end() - 1);
    if (!parent.empty() && (!contains(parent) || !item(parent).is_popup())) return false;
    return path.back() <= list_of(path).size();
}

void Menu::register_identifiers(const MenuItem& item, const IdentifierValues& values) {
    if (!item.identifier.empty()) {
        const auto known = values.find(item.identifier);
        symbols_.register_item_id(item.identifier, *this,
                                  known != values.end() ? std::optional(known->second) : std::nullopt);
    }
    for (const MenuItem& child : item.submenu) register_identifiers(child, values);
}

void Menu::release_identifiers(const MenuItem& item) {
    if (!item.identifier.empty()) symbols_.release_item_id(item.identifier, *this);
    for (const MenuItem& child : item.submenu) release_identifiers(child);
}

void Menu::insert_item(const MenuPath& path, MenuItem item, const IdentifierValues& values) {
    if (!can_insert_at(path)) throw std::out_of_range("no menu position there");
    register_identifiers(item, values);
    MenuItems& list = list_mutable(path);
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(path.back()), std::move(item));
}

MenuItem Menu::remove_item(const MenuPath& path) {
    MenuItems& list = list_mutable(path);
    MenuItem removed = std::move(list.at(path.back()));
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(path.back()));
    release_identifiers(removed);
    return removed;
}

void Menu::set_identifier(const MenuPath& path, std::u16string identifier, std::optional<std::int32_t> value) {
    MenuItem& target = item_mutable(path);
    if (!identifier.empty()) symbols_.register_item_id(identifier, *this, value);
    if (!target.identifier.empty()) symbols_.release_item_id(target.identifier, *this);
    target.identifier = std::move(identifier);
}

void Menu::set_caption(const MenuPath& path, std::u16string text, std::u16string shortcut) {
    MenuItem& target = item_mutable(path);
    target.text = std::move(text);
    target.shortcut = std::move(shortcut);
}

void Menu::set_flags(const MenuPath& path, std::uint32_t flags) {
    MenuItem& target = item_mutable(path);
    target.flags = (flags & ~menu_flag::popup) | (target.flags & menu_flag::popup);
}

void Menu::set_popup(const MenuPath& path, bool popup, MenuItems submenu) {
    MenuItem& target = item_mutable(path);
    if (target.is_popup() == popup) return;
    if (popup) {
        set_identifier(path, {});
        target.set(menu_flag::popup, true);
        target.set(menu_flag::separator, false);
        for (const MenuItem& child : submenu) register_identifiers(child, {});
        target.submenu = std::move(submenu);
    } else {
        for (const MenuItem& child : target.submenu) release_identifiers(child);
        target.submenu.clear();
        target.set(menu_flag::popup, false);
    }
}

std::int32_t Menu::value_of(const MenuItem& item) const {
    return item.identifier.empty() ? 0 : symbols_.value_of(item.identifier);
}

bool Menu::uses_value(std::int32_t value) const { return any_uses_value(items_, *this, value); }

IdentifierValues Menu::identifier_values(const MenuItem& item) const {
    IdentifierValues values;
    if (!item.identifier.empty()) values.emplace(item.identifier, value_of(item));
    for (const MenuItem& child : item.submenu) values.merge(identifier_values(child));
    return values;
}

Status Menu::serialize(BinaryBuffer& out) const {
    encode_menu_template(*this, out);
    return success();
}

Menu& add_new_menu(Workspace& workspace, bool open) {
    Project& project = workspace.project();
    auto menu = std::make_unique<Menu>(workspace.symbols(), workspace.config().menu_ex);
    menu->identity().name = project.new_resource_name(menu_name_template, kind::menu);
    return static_cast<Menu&>(*project.add_resource(std::move(menu), open));
}

}  // namespace tavorin
