#include "dialog/dialog_units.h"

namespace tavorin {

BaseUnits base_units_from_letters(std::int32_t letters_width, std::int32_t letters_height) {
    return BaseUnits{mul_div(letters_width, 1, 52), letters_height};
}

std::int32_t horizontal_pixels(std::int32_t units, const BaseUnits& base) { return mul_div(units, base.x, 4); }
std::int32_t vertical_pixels(std::int32_t units, const BaseUnits& base) { return mul_div(units, base.y, 8); }
std::int32_t horizontal_units(std::int32_t pixels, const BaseUnits& base) { return mul_div(pixels, 4, base.x); }
std::int32_t vertical_units(std::int32_t pixels, const BaseUnits& base) { return mul_div(pixels, 8, base.y); }

DialogRect to_pixels(const DialogRect& units, const BaseUnits& base) {
    return DialogRect{horizontal_pixels(units.x, base), vertical_pixels(units.y, base),
                      horizontal_pixels(units.width, base), vertical_pixels(units.height, base)};
}

DialogRect to_dialog_units(const DialogRect& pixels, const BaseUnits& base) {
    return DialogRect{horizontal_units(pixels.x, base), vertical_units(pixels.y, base),
                      horizontal_units(pixels.width, base), vertical_units(pixels.height, base)};
}

}  // namespace tavorin
