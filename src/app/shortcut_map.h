#pragma once
// The main window's keyboard shortcuts: a key (modifier flags OR virtual-key code) mapped to the
// command it sends, seen before any editor gets the key.

#include <cstdint>
#include <optional>
#include <span>

#include "app/command_ids.h"

namespace tavorin {

using ShortcutKey = std::uint32_t;

namespace modifier {
inline constexpr ShortcutKey ctrl = 0x10000;
inline constexpr ShortcutKey alt = 0x20000;
inline constexpr ShortcutKey shift = 0x40000;
}  // namespace modifier

// The few virtual-key codes the map uses (letters are their upper-case character codes).
namespace vk {
inline constexpr ShortcutKey insert = 0x2D;
inline constexpr ShortcutKey del = 0x2E;
inline constexpr ShortcutKey f1 = 0x70;
inline constexpr ShortcutKey f5 = 0x74;
}  // namespace vk

struct Shortcut {
    ShortcutKey key = 0;
    cmd::Id command = 0;
};

ShortcutKey shortcut_key(bool ctrl, bool alt, bool shift, ShortcutKey virtual_key);

std::span<const Shortcut> shortcut_map();

std::optional<cmd::Id> find_shortcut(ShortcutKey key);

}  // namespace tavorin
