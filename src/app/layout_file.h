#pragma once
// "Tavorin.layout", the arrangement of the main window and its panels kept between runs: the
// window's normal rectangle as four signed 32-bit little-endian values (left, top, right,
// bottom), then the panel framework's own bytes.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "base/result.h"

namespace tavorin {

struct WindowRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    bool operator==(const WindowRect&) const = default;
};

struct Layout {
    WindowRect window;
    std::vector<std::uint8_t> panels;

    bool operator==(const Layout&) const = default;
};

// Files of this size or larger are not layouts the program wrote, and are ignored; the panel
// framework keeps its bytes within layout_panels_limit so that its arrangement is read back.
inline constexpr std::size_t layout_file_limit = 2048;
inline constexpr std::size_t layout_panels_limit = layout_file_limit - 1 - 16;

// Nothing when the bytes are too short for the rectangle, reach the size limit, or hold a
// rectangle without area.
std::optional<Layout> layout_from_bytes(std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> layout_to_bytes(const Layout& layout);

// Nothing when the file is missing, unreadable or unusable.
std::optional<Layout> read_layout(const std::filesystem::path& path);
Status write_layout(const std::filesystem::path& path, const Layout& layout);

// The rectangle without a usable layout: half the screen's size, in its middle.
WindowRect default_window_rect(int screen_width, int screen_height);

// The rectangle on the first start, before any layout was saved: most of the work area (the
// screen without the task bar), a twentieth of it left free on every side.
WindowRect first_start_window_rect(const WindowRect& work_area);

}  // namespace tavorin
