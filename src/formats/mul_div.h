#pragma once
// Windows' MulDiv: value * numerator / denominator without intermediate overflow, rounded to
// the nearest integer (halves away from zero). Dialog units become pixels through it.

#include <cstdint>

namespace tavorin {

constexpr int mul_div(int value, int numerator, int denominator) {
    if (denominator == 0) return -1;  // what MulDiv answers
    std::int64_t product = static_cast<std::int64_t>(value) * numerator;
    std::int64_t divisor = denominator;
    if (divisor < 0) {
        product = -product;
        divisor = -divisor;
    }
    const std::int64_t half = divisor / 2;
    const std::int64_t quotient = product >= 0 ? (product + half) / divisor : -((-product + half) / divisor);
    return static_cast<int>(quotient);
}

}  // namespace tavorin
