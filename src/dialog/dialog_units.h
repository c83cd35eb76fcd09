#pragma once
// Dialog units and pixels. A dialog's geometry is stored in dialog units; the canvas, the test
// run and generated code work in pixels of the dialog's font: a horizontal unit is a quarter of
// the font's average character width, a vertical unit an eighth of its height.

#include <cstdint>

#include "base/mul_div.h"
#include "dialog/dialog_rect.h"

namespace tavorin {

// The average character width and the height of the dialog font, in pixels: the width of the
// 52 letters "AZERTYUIOPMLKJHGFDSQWXCVBNazertyuiopmlkjhgfdsqwxcvbn" divided by 52 (rounded),
// and their height.
struct BaseUnits {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

inline constexpr char16_t base_unit_letters[] = u"AZERTYUIOPMLKJHGFDSQWXCVBNazertyuiopmlkjhgfdsqwxcvbn";

// The base units from the pixel extent of the 52 letters.
BaseUnits base_units_from_letters(std::int32_t letters_width, std::int32_t letters_height);

std::int32_t horizontal_pixels(std::int32_t units, const BaseUnits& base);
std::int32_t vertical_pixels(std::int32_t units, const BaseUnits& base);
std::int32_t horizontal_units(std::int32_t pixels, const BaseUnits& base);
std::int32_t vertical_units(std::int32_t pixels, const BaseUnits& base);

// A rectangle converted field by field (x and width horizontally, y and height vertically).
DialogRect to_pixels(const DialogRect& units, const BaseUnits& base);
DialogRect to_dialog_units(const DialogRect& pixels, const BaseUnits& base);

}  // namespace tavorin
