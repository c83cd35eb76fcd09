#pragma once
// The window style bits the dialog code refers to by name.

#include <cstdint>

namespace tavorin::ws {
inline constexpr std::uint32_t popup = 0x80000000;
inline constexpr std::uint32_t child = 0x40000000;
inline constexpr std::uint32_t minimize = 0x20000000;
inline constexpr std::uint32_t visible = 0x10000000;
inline constexpr std::uint32_t disabled = 0x08000000;
inline constexpr std::uint32_t clip_siblings = 0x04000000;
inline constexpr std::uint32_t clip_children = 0x02000000;
inline constexpr std::uint32_t maximize = 0x01000000;
inline constexpr std::uint32_t caption = 0x00C00000;
inline constexpr std::uint32_t border = 0x00800000;
inline constexpr std::uint32_t dlg_frame = 0x00400000;
inline constexpr std::uint32_t vscroll = 0x00200000;
inline constexpr std::uint32_t hscroll = 0x00100000;
inline constexpr std::uint32_t sys_menu = 0x00080000;
inline constexpr std::uint32_t thick_frame = 0x00040000;
inline constexpr std::uint32_t group = 0x00020000;
inline constexpr std::uint32_t tab_stop = 0x00010000;

// WS_CHILD | WS_VISIBLE: what every control statement starts from.
inline constexpr std::uint32_t child_visible = child | visible;

inline constexpr std::uint32_t ex_dlg_modal_frame = 0x00000001;
inline constexpr std::uint32_t ex_no_parent_notify = 0x00000004;
inline constexpr std::uint32_t ex_transparent = 0x00000020;
inline constexpr std::uint32_t ex_client_edge = 0x00000200;

inline constexpr std::uint32_t ds_set_font = 0x40;
inline constexpr std::uint32_t ds_fixed_sys = 0x08;
inline constexpr std::uint32_t ds_shell_font = ds_set_font | ds_fixed_sys;
inline constexpr std::uint32_t ds_center = 0x800;

inline constexpr std::uint32_t button_type_mask = 0x0F;
inline constexpr std::uint32_t static_type_mask = 0x1F;
inline constexpr std::uint32_t bs_multiline = 0x2000;
inline constexpr std::uint32_t ss_icon = 3;
inline constexpr std::uint32_t ss_bitmap = 14;
}  // namespace tavorin::ws
