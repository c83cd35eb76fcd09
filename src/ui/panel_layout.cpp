#include "ui/panel_layout.h"

#include <algorithm>

#include "base/binary_buffer.h"
#include "base/binary_reader.h"

namespace tavorin {

namespace {

// "TP" and a version, so that bytes of an older or foreign arrangement are not misread.
constexpr std::uint16_t layout_signature = 0x5054;
constexpr std::uint16_t layout_version = 1;
constexpr std::uint8_t tree_shown = 1;
constexpr std::uint8_t properties_shown = 2;

}  // namespace

std::vector<std::uint8_t> panel_layout_to_bytes(const PanelLayout& layout) {
    BinaryBuffer buffer;
    buffer.write_u16(layout_signature);
    buffer.write_u16(layout_version);
    buffer.write_u16(static_cast<std::uint16_t>((layout.tree_visible ? tree_shown : 0) |
                                                (layout.properties_visible ? properties_shown : 0)));
    buffer.write_u16(static_cast<std::uint16_t>(std::clamp(layout.side_width, PanelLayout::min_side_width,
                                                           PanelLayout::max_side_width)));
    buffer.write_u16(static_cast<std::uint16_t>(std::clamp(layout.tree_percent, 10, 90)));
    return buffer.take();
}

PanelLayout panel_layout_from_bytes(std::span<const std::uint8_t> bytes) {
    PanelLayout layout;
    try {
        BinaryReader reader(bytes);
        if (reader.read_u16() != layout_signature || reader.read_u16() != layout_version) return PanelLayout{};
        const std::uint16_t shown = reader.read_u16();
        const int width = reader.read_u16();
        const int percent = reader.read_u16();
        layout.tree_visible = (shown & tree_shown) != 0;
        layout.properties_visible = (shown & properties_shown) != 0;
        layout.side_width = std::clamp(width, PanelLayout::min_side_width, PanelLayout::max_side_width);
        layout.tree_percent = std::clamp(percent, 10, 90);
    } catch (const BinaryReadError&) {
        return PanelLayout{};
    }
    return layout;
}

}  // namespace tavorin
