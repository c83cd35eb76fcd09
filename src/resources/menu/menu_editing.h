#pragma once
// What the menu editor does to its menu. Every change is applied to the model, marks the menu
// modified and is recorded in the editor's undo history under the label the Undo list shows.
// Items are addressed by their paths; the placeholder of a list is the path one past its last
// item.

#include <cstddef>
#include <string>
#include <string_view>

#include "base/result.h"
#include "model/undo_history.h"
#include "resources/menu/menu.h"

namespace tavorin {

class Workspace;

namespace menu_undo {
inline constexpr std::u16string_view insert_item = u"Insert Item";
inline constexpr std::u16string_view delete_item = u"Delete Item";
inline constexpr std::u16string_view move_item = u"Move Item";
inline constexpr std::u16string_view add_popup = u"Add Popup";
inline constexpr std::u16string_view remove_popup = u"Remove Popup";
inline constexpr std::u16string_view set_identifier = u"Set Item ID";
inline constexpr std::u16string_view set_text = u"Set Item Text";
inline constexpr std::u16string_view checked = u"Check Menu Item";
inline constexpr std::u16string_view default_item = u"Set Menu Item Default";
inline constexpr std::u16string_view inactive = u"Enable Menu Item";
inline constexpr std::u16string_view grayed = u"Gray Menu Item";
inline constexpr std::u16string_view menu_break = u"Set Menu Break";
inline constexpr std::u16string_view owner_draw = u"Set Menu Item Ownerdraw";
inline constexpr std::u16string_view help = u"Set Menu Item Help";
inline constexpr std::u16string_view separator = u"Set Menu Item Separator";
inline constexpr std::u16string_view form = u"Set Menu Form";
inline constexpr std::u16string_view replace = u"Replace";
}  // namespace menu_undo

// The caption edit box takes no more than this.
inline constexpr std::size_t max_menu_caption_length = 254;

// "IDM_" and the caption in upper case, every character other than A to Z and 0 to 9 made an
// underscore: "&Open" gives IDM__OPEN.
std::u16string menu_identifier_base(std::u16string_view caption);

class MenuEditing {
public:
    MenuEditing(Menu& menu, Workspace& workspace, UndoHistory& history)
        : menu_(menu), workspace_(workspace), history_(history) {}

    // Typing into the placeholder at `placeholder` (the end of a list) makes a real item there,
    // one "Insert Item" step. A top-level item becomes a popup with an empty submenu; an item in a
    // submenu gets an identifier named from its caption (menu_identifier_base, numbered as pasted
    // rows are) and the first value from 40000 up that the menu does not use. Captions are split
    // at a tab or backslash-t into caption and shortcut and cut to 254 characters. Returns the
    // new item's path; an empty text or a position that is no placeholder makes nothing.
    std::optional<MenuPath> type_into_placeholder(const MenuPath& placeholder, std::u16string_view text);
    // The same at any position of a list: the typed item goes before the item there (Insert).
    std::optional<MenuPath> insert_typed_item(const MenuPath& position, std::u16string_view text);

    // Deletes an item with its sub-items ("Delete Item"); false for a placeholder.
    bool delete_item(const MenuPath& path);
    // Moves an item to the position `to` (a path in the menu as it is once the item is taken
    // out). Refused (false) for a placeholder, a position that does not exist, or a place inside
    // the item itself.
    bool move_item(const MenuPath& from, const MenuPath& to);

    void set_text(const MenuPath& path, std::u16string_view text);
    // Refuses texts that are not identifiers with the identifier's message (caption "Error");
    // otherwise the item takes the named identifier, made when new.
    Status set_identifier(const MenuPath& path, std::u16string_view text);

    // Popup on: the identifier goes, an empty submenu comes ("Add Popup"). Off: the submenu goes
    // and the item takes a new identifier named "IDM_" and its caption, or for an item inside a
    // popup "IDM_", the popup's caption, "_" and its caption, numbered to be unique
    // ("Remove Popup").
    void set_popup(const MenuPath& path, bool popup);

    void set_checked(const MenuPath& path, bool on);
    // Default and owner-draw exist only in the extended form: setting them switches the menu to it.
    void set_default(const MenuPath& path, bool on);
    void set_owner_draw(const MenuPath& path, bool on);
    void set_inactive(const MenuPath& path, bool on);
    void set_grayed(const MenuPath& path, bool on);
    void set_help(const MenuPath& path, bool on);
    void set_separator(const MenuPath& path, bool on);
    void set_break(const MenuPath& path, MenuBreak kind);

    // The MENU / MENUEX switch, one "Set Menu Form" step.
    void set_extended(bool extended);

    // Replaces `text` by `replacement` in every caption (not the shortcuts) as steps of one
    // "Replace" group. Returns how many captions changed.
    std::size_t replace_in_captions(std::u16string_view text, std::u16string_view replacement, bool match_case);

private:
    // Records the change of one item (with its sub-items) from `before` to what it is now, and of
    // the menu's form.
    void record_replacement(std::u16string_view label, const MenuPath& path, const MenuItem& before,
                            const IdentifierValues& values_before, bool extended_before);
    void change_flag(const MenuPath& path, std::uint32_t flag, bool on, std::u16string_view label,
                     bool needs_extended = false);
    void modified();

    Menu& menu_;
    Workspace& workspace_;
    UndoHistory& history_;
};

}  // namespace tavorin
