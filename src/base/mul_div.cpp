#include "base/mul_div.h"

#include <cstdlib>

namespace tavorin {

std::int32_t mul_div(std::int32_t a, std::int32_t b, std::int32_t c) {
    if (c == 0) return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t magnitude = (std::llabs(product) + std::llabs(static_cast<std::int64_t>(c)) / 2) /
                                   std::llabs(static_cast<std::int64_t>(c));
    return static_cast<std::int32_t>((product < 0) != (c < 0) ? -magnitude : magnitude);
}

}  // namespace tavorin
