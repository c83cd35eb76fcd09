#pragma once
// a * b / c rounded half away from zero, through a 64-bit product, as Windows' MulDiv computes
// it; -1 when c is 0.

#include <cstdint>

namespace tavorin {

std::int32_t mul_div(std::int32_t a, std::int32_t b, std::int32_t c);

}  // namespace tavorin
