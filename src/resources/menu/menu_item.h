#pragma once
// One item of a menu: a command, a separator or a popup that owns a submenu. Items form a tree;
// an item is found by its path, the indices from the top-level list down through the submenus.
//
// The editor shows a "Type here" placeholder after the last item of every list. It is not stored:
// the placeholder of a list is the position just past its last item, so every writer, the code
// generator included, sees only real items.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavorin {

namespace menu_flag {
// A two-bit field: 0 no break, 1 column break (MENUBREAK), 2 bar break (MENUBARBREAK).
inline constexpr std::uint32_t break_mask = 0x003;
inline constexpr std::uint32_t column_break = 0x001;
inline constexpr std::uint32_t bar_break = 0x002;
inline constexpr std::uint32_t checked = 0x004;
inline constexpr std::uint32_t inactive = 0x008;
inline constexpr std::uint32_t grayed = 0x010;
inline constexpr std::uint32_t popup = 0x020;
inline constexpr std::uint32_t separator = 0x040;
inline constexpr std::uint32_t default_item = 0x200;
inline constexpr std::uint32_t owner_draw = 0x400;
inline constexpr std::uint32_t help = 0x800;
// The item draws a bitmap whose handle the program gives at run time (MF_BITMAP).
inline constexpr std::uint32_t bitmap = 0x1000;
}  // namespace menu_flag

enum class MenuBreak { none = 0, column = 1, bar = 2 };

struct MenuItem {
    // The caption in stored form (backslash escapes kept as typed), without the shortcut.
    std::u16string text;
    // The text shown right-aligned, such as "Ctrl+O"; empty when there is none.
    std::u16string shortcut;
    // A symbol name, or the decimal text of a plain numeric identifier; empty for popups of the
    // classic form, separators and items without identifier.
    std::u16string identifier;
    std::uint32_t flags = 0;
    // A popup's items.
    std::vector<MenuItem> submenu;

    bool is_popup() const { return (flags & menu_flag::popup) != 0; }
    // Only the separator flag makes a separator: an item without caption keeps its identifier and
    // flags (compilers write MENUITEM "", 7 as such an item).
    bool is_separator() const { return !is_popup() && (flags & menu_flag::separator) != 0; }
    bool has(std::uint32_t flag) const { return (flags & flag) != 0; }
    MenuBreak break_kind() const { return static_cast<MenuBreak>(flags & menu_flag::break_mask); }
    void set(std::uint32_t flag, bool on) { flags = on ? (flags | flag) : (flags & ~flag); }
    void set_break(MenuBreak kind) {
        flags = (flags & ~menu_flag::break_mask) | (static_cast<std::uint32_t>(kind) & menu_flag::break_mask);
    }

    friend bool operator==(const MenuItem&, const MenuItem&) = default;
};

using MenuItems = std::vector<MenuItem>;
// Indices from the top-level list down: {2} is the third top-level item, {2, 0} the first item
// of its submenu.
using MenuPath = std::vector<std::size_t>;

// A caption as stored: split at the first tab or backslash-t into caption and shortcut.
struct SplitCaption {
    std::u16string text;
    std::u16string shortcut;
};
SplitCaption split_caption(std::u16string_view caption);

// The caption with its shortcut joined by `separator` (a tab for binary data, backslash-t for
// scripts and code).
std::u16string joined_caption(const MenuItem& item, std::u16string_view separator);

}  // namespace tavorin
