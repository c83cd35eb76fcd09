#pragma once
// A menu resource: a tree of items in the classic MENU form or the extended MENUEX form. Every
// item with an identifier holds one use of it in the symbol table (the menu is the owner); the
// menu gives them back when items go and when it is destroyed.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "model/resource.h"
#include "model/symbol_table.h"
#include "resources/menu/menu_item.h"

namespace tavorin {

class Workspace;

inline constexpr std::u16string_view menu_name_template = u"IDR_MENU";

// The values the identifiers of an item and its sub-items had, by name: what an undo step keeps
// so that a deleted item comes back with the same values.
using IdentifierValues = std::map<std::u16string, std::int32_t, std::less<>>;

class Menu : public Resource {
public:
    Menu(SymbolTable& symbols, bool extended);
    ~Menu() override;

    bool extended() const { return extended_; }
    void set_extended(bool extended) { extended_ = extended; }

    // The top-level items (the menu bar).
    const MenuItems& items() const { return items_; }
    // The item at a path; the path must lead to an item.
    const MenuItem& item(const MenuPath& path) const;
    // The list that holds the item at `path` (the path's last index is a position in it).
    const MenuItems& list_of(const MenuPath& path) const;
    // Whether the path leads to an item (false for a placeholder position).
    bool contains(const MenuPath& path) const;
    // Whether a position can take a new item: a path to an item or to the end of a list.
    bool can_insert_at(const MenuPath& path) const;

    // Inserts an item with its sub-items before the position `path` (the end of a list appends)
    // and registers their identifiers; a new identifier takes its value from `values` when it is
    // there.
    void insert_item(const MenuPath& path, MenuItem item, const IdentifierValues& values = {});
    // Appends a top-level item.
    void append_item(MenuItem item) { insert_item({items_.size()}, std::move(item)); }
    // Removes the item with its sub-items and releases their identifiers.
    MenuItem remove_item(const MenuPath& path);

    // Gives the item another identifier (empty: none): the new one is registered (with the value
    // given, for a name new to the table) before the old one is released.
    void set_identifier(const MenuPath& path, std::u16string identifier,
                        std::optional<std::int32_t> value = std::nullopt);
    void set_caption(const MenuPath& path, std::u16string text, std::u16string shortcut);
    // Replaces the flag word; popup bits and sub-items are not touched (see set_popup).
    void set_flags(const MenuPath& path, std::uint32_t flags);
    // Makes the item a popup with an empty submenu (dropping its identifier) or a plain item
    // (dropping its sub-items); the sub-items to bring back can be given.
    void set_popup(const MenuPath& path, bool popup, MenuItems submenu = {});

    // The value of an item's identifier; 0 when it has none.
    std::int32_t value_of(const MenuItem& item) const;
    // Whether any item of the menu carries an identifier with this value.
    bool uses_value(std::int32_t value) const;
    IdentifierValues identifier_values(const MenuItem& item) const;

    SymbolTable& symbols() const { return symbols_; }

    // Resource.
    void write_script_text(TextWriter& out, const Workspace& workspace) const override;
    Status serialize(BinaryBuffer& out) const override;

private:
    MenuItem& item_mutable(const MenuPath& path);
    MenuItems& list_mutable(const MenuPath& path);
    void register_identifiers(const MenuItem& item, const IdentifierValues& values);
    void release_identifiers(const MenuItem& item);

    SymbolTable& symbols_;
    bool extended_;
    MenuItems items_;
};

// A new menu named from "IDR_MENU", in the form the `menuEx` option chooses, added to the
// project.
Menu& add_new_menu(Workspace& workspace, bool open = false);

}  // namespace tavorin
