#pragma once
// The key a menu item's shortcut text names ("Ctrl+S", "Strg+Umschalt+F5", "Alt+Entf"), as an
// accelerator gives it: a virtual-key code with its modifiers.

#include <cstdint>
#include <optional>
#include <string_view>

namespace tavorin {

struct AcceleratorEntry;

struct KeyChord {
    std::uint16_t key = 0;  // virtual-key code
    bool control = false;
    bool shift = false;
    bool alt = false;

    friend bool operator==(const KeyChord&, const KeyChord&) = default;
};

// None when a part of the text is not a modifier or key name the table knows (the item is then
// not checked).
std::optional<KeyChord> parse_shortcut(std::u16string_view text);

// The key an accelerator entry answers to. An ASCII entry's control character stands for Ctrl
// and its letter; an upper-case ASCII letter for Shift and the letter.
KeyChord chord_of(const AcceleratorEntry& entry);

}  // namespace tavorin
