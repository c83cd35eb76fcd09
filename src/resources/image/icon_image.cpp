#include "resources/image/icon_image.h"

#include "imaging/icon_image_codec.h"

namespace tavorin {

Result<IconImage> make_icon_image(std::span<const std::uint8_t> bytes) {
    auto image = icon_image_fields(bytes);
    if (image) image->bytes = SharedBytes::copy_of(bytes);
    return image;
}

Result<IconImage> icon_image_fields(std::span<const std::uint8_t> bytes) {
    const auto info = read_icon_image_info(bytes);
    if (!info) return Error{info.error()};
    IconImage image;
    image.width = info->width;
    image.height = info->height;
    image.bit_count = info->bit_count;
    image.png = info->png;
    return image;
}

std::uint8_t directory_color_count(std::uint16_t bit_count) {
    switch (bit_count) {
        case 1: return 2;
        case 2: return 4;
        case 4: return 16;
        default: return 0;
    }
}

}  // namespace tavorin
