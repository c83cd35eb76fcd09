#include "resources/image/bitmap_resource.h"

#include "imaging/bitmap_file_header.h"
#include "imaging/dib_encoder.h"
#include "imaging/invalid_image.h"

namespace tavorin {

BitmapResource::BitmapResource() : FileResource(kind::bitmap, bitmap_traits()) {}

Result<std::unique_ptr<BitmapResource>> BitmapResource::decode(std::span<const std::uint8_t> data) {
    auto dib = decode_bitmap_resource(data);
    if (!dib) return Error{dib.error()};
    return with_dib(std::move(*dib));
}

std::unique_ptr<BitmapResource> BitmapResource::with_dib(std::vector<std::uint8_t> dib) {
    auto bitmap = std::make_unique<BitmapResource>();
    bitmap->dib_ = std::move(dib);
    return bitmap;
}

Status BitmapResource::serialize(BinaryBuffer& out) const {
    const Status loaded = require_in_memory();
    if (!loaded) return loaded;
    out.write_bytes(encode_bitmap_resource(dib_));
    return success();
}

Result<std::vector<std::uint8_t>> BitmapResource::file_bytes() const { return export_bitmap_file(dib_); }

Status BitmapResource::take_file_bytes(std::span<const std::uint8_t> bytes) {
    // Only a real file header is dropped: a file that holds a bare DIB keeps all of it.
    const auto dib = without_bitmap_file_header(bytes);
    if (dib.empty()) return invalid_file_structure();
    dib_.assign(dib.begin(), dib.end());
    return success();
}

std::vector<std::uint8_t> blank_toolbar_dib() {
    return *encode_dib(Pixels(16, 15, argb(0xFF, 0xC0, 0xC0, 0xC0)), 24);
}

}  // namespace tavorin
