#pragma once
// The compiled menu templates. The classic form (version 0) is a header of two zero words and
// the items depth first: a flags word, the identifier word of a command, the caption. The
// extended form (version 1) has a header with the offset 4 and a help id, and items aligned to
// four bytes: type, state, identifier, a flags word, the caption, and for a popup its help id
// before its children. A list ends with the item that carries 0x80.
//
// Captions are written with their escapes resolved and a tab before the shortcut, and read back
// into the stored form. Every item flag the model keeps is written with the bit the reader reads,
// so a menu survives being compiled and read again.

#include <cstdint>
#include <memory>
#include <span>

#include "base/binary_buffer.h"
#include "base/result.h"
#include "resources/menu/menu.h"

namespace tavorin {

namespace menu_template {
// Flags word of the classic form (MF_ values).
inline constexpr std::uint16_t grayed = 0x0001;
inline constexpr std::uint16_t disabled = 0x0002;
inline constexpr std::uint16_t bitmap = 0x0004;
inline constexpr std::uint16_t checked = 0x0008;
inline constexpr std::uint16_t popup = 0x0010;
inline constexpr std::uint16_t bar_break = 0x0020;
inline constexpr std::uint16_t column_break = 0x0040;
inline constexpr std::uint16_t last = 0x0080;
inline constexpr std::uint16_t owner_draw = 0x0100;
inline constexpr std::uint16_t help = 0x4000;
// Flags word of the extended form.
inline constexpr std::uint16_t extended_popup = 0x0001;
// Type (MFT_) and state (MFS_) values of the extended form.
inline constexpr std::uint32_t type_bitmap = 0x0004;
inline constexpr std::uint32_t type_bar_break = 0x0020;
inline constexpr std::uint32_t type_column_break = 0x0040;
inline constexpr std::uint32_t type_owner_draw = 0x0100;
inline constexpr std::uint32_t type_separator = 0x0800;
inline constexpr std::uint32_t type_right_justify = 0x4000;
inline constexpr std::uint32_t state_grayed = 0x0003;
inline constexpr std::uint32_t state_checked = 0x0008;
inline constexpr std::uint32_t state_default = 0x1000;
}  // namespace menu_template

// The classic flags word of an item, without the popup and end bits.
std::uint16_t classic_item_flags(const MenuItem& item);
// The model's flags from a classic flags word (popup and end bits are not flags of the item).
std::uint32_t menu_flags_from_classic(std::uint16_t word);

struct ExtendedItemFlags {
    std::uint32_t type = 0;
    std::uint32_t state = 0;
};
// The extended form has a single disabled state (MFS_DISABLED equals MFS_GRAYED): an inactive
// item is written as grayed.
ExtendedItemFlags extended_item_flags(const MenuItem& item);
// The model's flags from extended type and state values; other bits are dropped.
std::uint32_t menu_flags_from_extended(std::uint32_t type, std::uint32_t state);

// The template of the menu's form. A popup without items is written as a plain item without
// identifier (as the resource compilers do), because an empty child list cannot be told from the
// items that follow it.
void encode_menu_template(const Menu& menu, BinaryBuffer& out);

// A menu from RT_MENU data, its form taken from the version. Identifiers are found by value in
// the symbol table, else named by their decimal value. The caller names the menu and adds it to
// the project. Data that ends early (or nests absurdly deep) is an error.
Result<std::unique_ptr<Menu>> decode_menu_template(std::span<const std::uint8_t> data, SymbolTable& symbols);

}  // namespace tavorin
