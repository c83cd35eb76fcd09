#pragma once
// How this screen renders a dialog font and frames a window, measured with GDI: what generated C
// code needs to turn dialog units into the pixels the dialog would have.

#include "model/code_context.h"
#include "services/config.h"

namespace tavorin {

// The font's CreateFont height (-point size at the screen's vertical pixels per inch) and its
// dialog base units: the 52-letter string "AZERTYUIOPMLKJHGFDSQWXCVBNazertyuiopmlkjhgfdsqwxcvbn"
// gives the average width (its width / 52) and the height. Falls back to the nominal font when
// the font cannot be made.
ScreenFont measure_screen_font(const FontSpec& font);

// The frame AdjustWindowRectEx gives a window of that style without a menu.
FrameSize measure_window_frame(std::uint32_t style, std::uint32_t extended_style);

// The context for code generated on this screen.
CodeContext screen_code_context(const Config& config);

}  // namespace tavorin
