#include "app/layout_file.h"

#include <system_error>

#include "base/binary_buffer.h"
#include "base/binary_reader.h"
#include "base/file_io.h"

namespace tavorin {

namespace {

constexpr std::size_t rectangle_size = 16;

}  // namespace

std::optional<Layout> layout_from_bytes(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < rectangle_size || bytes.size() >= layout_file_limit) return std::nullopt;
    BinaryReader reader(bytes);
    Layout layout;
    layout.window.left = static_cast<std::int32_t>(reader.read_u32());
    layout.window.top = static_cast<std::int32_t>(reader.read_u32());
    layout.window.right = static_cast<std::int32_t>(reader.read_u32());
    layout.window.bottom = static_cast<std::int32_t>(reader.read_u32());
    // A window restored with no area could not be seen or grabbed.
    if (layout.window.right <= layout.window.left || layout.window.bottom <= layout.window.top) return std::nullopt;
    const auto panels = reader.read_bytes(reader.remaining());
    layout.panels.assign(panels.begin(), panels.end());
    return layout;
}

std::vector<std::uint8_t> layout_to_bytes(const Layout& layout) {
    BinaryBuffer buffer;
    buffer.write_u32(static_cast<std::uint32_t>(layout.window.left));
    buffer.write_u32(static_cast<std::uint32_t>(layout.window.top));
    buffer.write_u32(static_cast<std::uint32_t>(layout.window.right));
    buffer.write_u32(static_cast<std::uint32_t>(layout.window.bottom));
    buffer.write_bytes(layout.panels);
    return buffer.take();
}

std::optional<Layout> read_layout(const std::filesystem::path& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size >= layout_file_limit) return std::nullopt;
    const auto bytes = read_file_bytes(path);
    if (!bytes) return std::nullopt;
    return layout_from_bytes(*bytes);
}

Status write_layout(const std::filesystem::path& path, const Layout& layout) {
    return write_file_atomically(path, layout_to_bytes(layout));
}

WindowRect default_window_rect(int screen_width, int screen_height) {
    WindowRect rect;
    rect.left = screen_width / 4;
    rect.top = screen_height / 4;
    rect.right = rect.left + screen_width / 2;
    rect.bottom = rect.top + screen_height / 2;
    return rect;
}

WindowRect first_start_window_rect(const WindowRect& work_area) {
    const int margin_x = (work_area.right - work_area.left) / 20;
    const int margin_y = (work_area.bottom - work_area.top) / 20;
    return WindowRect{work_area.left + margin_x, work_area.top + margin_y, work_area.right - margin_x,
                      work_area.bottom - margin_y};
}

}  // namespace tavorin
