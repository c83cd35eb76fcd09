#pragma once
// Building menus in tests: items by kind, and bytes as little-endian words.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "resources/menu/menu_item.h"

namespace tavorin::testing {

using Bytes = std::vector<std::uint8_t>;

inline MenuItem command_item(std::u16string text, std::u16string identifier, std::uint32_t flags = 0) {
    MenuItem item;
    item.text = std::move(text);
    item.identifier = std::move(identifier);
    item.flags = flags;
    return item;
}

inline MenuItem popup_of(std::u16string text, MenuItems children, std::uint32_t flags = 0) {
    MenuItem item;
    item.text = std::move(text);
    item.flags = flags | menu_flag::popup;
    item.submenu = std::move(children);
    return item;
}

inline MenuItem separator_item() {
    MenuItem item;
    item.flags = menu_flag::separator;
    return item;
}

// Appends 16-bit words, little-endian.
inline void words(Bytes& out, std::initializer_list<std::uint16_t> values) {
    for (std::uint16_t value : values) {
        out.push_back(static_cast<std::uint8_t>(value & 0xFF));
        out.push_back(static_cast<std::uint8_t>(value >> 8));
    }
}

// A zero-terminated UTF-16 text.
inline void text(Bytes& out, std::u16string_view value) {
    for (char16_t c : value) words(out, {static_cast<std::uint16_t>(c)});
    words(out, {0});
}

}  // namespace tavorin::testing
