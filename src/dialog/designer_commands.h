#pragma once
// The dialog designer's commands, numbered as the main window numbers them, and when each can
// run.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "dialog/designer_editing.h"

namespace tavorin::designer_command {

inline constexpr std::uint16_t copy = 40000;
inline constexpr std::uint16_t cut = 40001;
inline constexpr std::uint16_t same_width = 40014;
inline constexpr std::uint16_t same_height = 40015;
inline constexpr std::uint16_t same_size = 40016;
inline constexpr std::uint16_t test_dialog = 40017;
inline constexpr std::uint16_t align_bottoms = 40018;
inline constexpr std::uint16_t align_tops = 40019;
inline constexpr std::uint16_t align_rights = 40020;
inline constexpr std::uint16_t align_lefts = 40021;
inline constexpr std::uint16_t toggle_grid = 40022;
inline constexpr std::uint16_t toggle_margin = 40023;
inline constexpr std::uint16_t space_vertically = 40024;
inline constexpr std::uint16_t center_vertically = 40025;
inline constexpr std::uint16_t space_horizontally = 40026;
inline constexpr std::uint16_t center_horizontally = 40027;
inline constexpr std::uint16_t paste = 40009;
inline constexpr std::uint16_t clear = 40006;
inline constexpr std::uint16_t bring_to_front = 40117;
inline constexpr std::uint16_t send_to_back = 40118;
inline constexpr std::uint16_t bring_forward = 40119;
inline constexpr std::uint16_t send_backward = 40120;
inline constexpr std::uint16_t snap = 40126;
inline constexpr std::uint16_t select_all = 42002;
inline constexpr std::uint16_t tab_order = 42005;
inline constexpr std::uint16_t paste_here = 42011;
inline constexpr std::uint16_t grid_settings = 42013;
// The context menu's own.
inline constexpr std::uint16_t fit_to_contents = 42014;
inline constexpr std::uint16_t properties = 42015;

// The layout command a command number stands for; none for the other commands.
std::optional<LayoutCommand> layout_of(std::uint16_t command);
std::optional<ZOrder> z_order_of(std::uint16_t command);

// Whether the command can run with `selected` controls selected (0: the dialog) and the control
// clipboard empty or not.
bool enabled(std::uint16_t command, std::size_t selected, bool clipboard_empty);

}  // namespace tavorin::designer_command
