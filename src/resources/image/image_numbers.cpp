#include "resources/image/image_numbers.h"

namespace tavorin {

std::uint16_t ImageNumbers::take(IconType type) {
    std::uint16_t& next = counter(type);
    const std::uint16_t number = next;
    // Names are 16 bits: after the last one numbering wraps round, skipping 0.
    next = number == 0xFFFF ? first : static_cast<std::uint16_t>(number + 1);
    return number;
}

void ImageNumbers::note_read(IconType type, std::uint16_t number) {
    std::uint16_t& next = counter(type);
    if (number != 0xFFFF && next <= number) next = static_cast<std::uint16_t>(number + 1);
}

void ImageNumbers::restart() {
    next_icon_ = first;
    next_cursor_ = first;
}

}  // namespace tavorin
