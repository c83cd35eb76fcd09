#include "ui/dpi_scale.h"

#include <algorithm>
#include <cstdint>

namespace tavorin {

namespace {

int rescale(int value, int from, int to) {
    if (from <= 0 || to <= 0) return value;
    const std::int64_t product = static_cast<std::int64_t>(value) * to;
    const std::int64_t rounded = product >= 0 ? (product + from / 2) / from : (product - from / 2) / from;
    return static_cast<int>(rounded);
}

}  // namespace

int scaled_for_dpi(int value, int dpi) { return rescale(value, design_dpi, dpi); }

PanelLayout rescaled_panels(const PanelLayout& layout, int from_dpi, int to_dpi) {
    PanelLayout scaled = layout;
    scaled.side_width = std::clamp(rescale(layout.side_width, from_dpi, to_dpi), PanelLayout::min_side_width,
                                   PanelLayout::max_side_width);
    return scaled;
}

}  // namespace tavorin
