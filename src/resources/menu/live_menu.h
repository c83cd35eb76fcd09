#pragma once
// What the preview of a menu passes to AppendMenuW for each item, decided here so the Win32 side
// only makes the calls: CreateMenu / CreatePopupMenu for the lists, then per item these flags,
// the identifier's value (or the submenu's handle for a popup) and the caption.

#include <cstdint>
#include <string>

#include "resources/menu/menu_item.h"

namespace tavorin {

namespace live_menu_flag {
inline constexpr std::uint32_t string = 0x0000;     // MF_STRING
inline constexpr std::uint32_t grayed = 0x0001;     // MF_GRAYED
inline constexpr std::uint32_t disabled = 0x0002;   // MF_DISABLED
inline constexpr std::uint32_t checked = 0x0008;    // MF_CHECKED
inline constexpr std::uint32_t popup = 0x0010;      // MF_POPUP
inline constexpr std::uint32_t separator = 0x0800;  // MF_SEPARATOR
}  // namespace live_menu_flag

struct LiveMenuEntry {
    std::uint32_t flags = live_menu_flag::string;
    // Whether the id passed is the submenu's handle rather than `id`.
    bool popup = false;
    std::uint32_t id = 0;
    // The caption with a tab before the shortcut and its escapes resolved; empty for a separator,
    // which is passed without text.
    std::u16string text;
};

// A separator gives MF_SEPARATOR with id 0 and no text; otherwise checked, grayed, inactive and
// popup give their MF_ flags. Breaks are not passed.
LiveMenuEntry live_menu_entry(const MenuItem& item, std::uint32_t identifier_value);

}  // namespace tavorin
