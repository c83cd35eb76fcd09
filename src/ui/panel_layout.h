#pragma once
// The arrangement of the main window's panels, kept in the layout file after the window's
// rectangle: which panels show and how much room they take.

#include <cstdint>
#include <span>
#include <vector>

namespace tavorin {

struct PanelLayout {
    static constexpr int min_side_width = 80;
    static constexpr int max_side_width = 2000;

    bool tree_visible = true;
    bool properties_visible = true;
    // Width in pixels of the side column that holds the tree above the properties.
    int side_width = 260;
    // The tree's share of the side column's height, in percent (10 to 90).
    int tree_percent = 60;

    bool operator==(const PanelLayout&) const = default;
};

std::vector<std::uint8_t> panel_layout_to_bytes(const PanelLayout& layout);
// Bytes this program did not write (another version, an empty layout) give the defaults; values
// out of range are brought into range.
PanelLayout panel_layout_from_bytes(std::span<const std::uint8_t> bytes);

}  // namespace tavorin
