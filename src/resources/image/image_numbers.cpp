#include "resources/image/image_numbers.h"

namespace tavorin {

std::optional<std::uint16_t> ImageNumbers::take(IconType type) {
    std::uint32_t& next = counter(type);
    if (next > 0xFFFF) return std::nullopt;
    return static_cast<std::uint16_t>(next++);
}

void ImageNumbers::note_read(IconType type, std::uint16_t number) {
    // An image read as 0xFFFF leaves the counter: new images still get the numbers below it.
    std::uint32_t& next = counter(type);
    if (number != 0xFFFF && next <= number) next = number + 1u;
}

void ImageNumbers::restart() {
    next_icon_ = first;
    next_cursor_ = first;
}

}  // namespace tavorin
