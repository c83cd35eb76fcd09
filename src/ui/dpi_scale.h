#pragma once
// Sizes that follow the screen's resolution: they are designed at 96 dots per inch (100 %) and
// grow with it, 150 % at 144 dpi.

#include "ui/panel_layout.h"

namespace tavorin {

inline constexpr int design_dpi = 96;

// `value` pixels at 96 dpi, at `dpi` (rounded to the nearest pixel).
int scaled_for_dpi(int value, int dpi);

// The panels when the window moves from a screen of `from_dpi` to one of `to_dpi`: the side
// column keeps its share of the window (its width in range).
PanelLayout rescaled_panels(const PanelLayout& layout, int from_dpi, int to_dpi);

}  // namespace tavorin
