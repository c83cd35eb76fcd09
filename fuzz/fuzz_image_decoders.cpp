// Fuzz target for the image decoders and the icon formats: .bmp and DIB, PNG, icon images,
// .ico/.cur files, group directories and RT_CURSOR data. Whatever decodes is encoded again, so
// the encoders see every shape the decoders accept.

#include <cstddef>
#include <cstdint>
#include <span>

#include "imaging/bitmap_file_header.h"
#include "imaging/dib_decoder.h"
#include "imaging/dib_encoder.h"
#include "imaging/icon_image_codec.h"
#include "imaging/png_codec.h"
#include "resources/image/bitmap_data.h"
#include "resources/image/group_directory.h"
#include "resources/image/icon_file.h"

namespace {

using tavorin::Pixels;

// Re-encoding huge images only burns time; the decoders' own bounds are what is being tested.
constexpr std::size_t max_reencoded_pixels = 1 << 16;

void reencode(const tavorin::Result<Pixels>& pixels) {
    if (!pixels || pixels->argb.size() > max_reencoded_pixels) return;
    (void)tavorin::encode_dib(*pixels, 8);
    (void)tavorin::encode_dib(*pixels, 32);
    (void)tavorin::encode_icon_dib(*pixels, 4);
    if (const auto png = tavorin::encode_png(*pixels)) (void)tavorin::decode_png(*png);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);

    reencode(tavorin::decode_bitmap(bytes));
    reencode(tavorin::decode_icon_image(bytes));
    if (tavorin::is_png(bytes)) reencode(tavorin::decode_png(bytes));
    (void)tavorin::read_icon_image_info(bytes);

    (void)tavorin::decode_bitmap_resource(bytes);
    (void)tavorin::bitmap_size(bytes);
    (void)tavorin::make_bitmap_file(bytes);

    tavorin::IconImageMap read_images;
    for (auto type : {tavorin::IconType::icon, tavorin::IconType::cursor}) {
        if (auto images = tavorin::read_icon_file(bytes, type)) {
            for (auto& image : *images) {
                (void)tavorin::decode_icon_image(image.bytes);
                image.number = static_cast<std::uint16_t>(read_images.size() + 1);
                // The copy holds the block its bytes lie in.
                read_images[image.number] = tavorin::ReadIconImage{image, image.bytes, nullptr};
            }
            (void)tavorin::write_icon_file(*images, type);
        }
    }
    if (auto group = tavorin::images_of_group(bytes, read_images)) {
        (void)tavorin::encode_group_directory(*group, tavorin::IconType::icon);
        (void)tavorin::encode_group_directory(*group, tavorin::IconType::cursor);
    }
    if (const auto cursor = tavorin::decode_cursor_resource(bytes)) (void)tavorin::encode_cursor_resource(*cursor);
    return 0;
}
