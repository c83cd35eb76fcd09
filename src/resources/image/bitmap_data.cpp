#include "resources/image/bitmap_data.h"

#include "base/binary_reader.h"
#include "imaging/bitmap_file_header.h"
#include "imaging/dib_header.h"
#include "imaging/invalid_image.h"

namespace tavorin {

Result<std::vector<std::uint8_t>> decode_bitmap_resource(std::span<const std::uint8_t> data) {
    if (has_bitmap_file_header(data) && data.size() < bitmap_file_header_size) return invalid_file_structure();
    const auto dib = without_bitmap_file_header(data);
    if (dib.size() < info_header_size) return invalid_file_structure();
    BinaryReader reader(dib);
    if (reader.read_u32() != info_header_size) return invalid_file_structure();
    return std::vector<std::uint8_t>(dib.begin(), dib.end());
}

std::vector<std::uint8_t> encode_bitmap_resource(std::span<const std::uint8_t> stored) {
    const auto dib = without_bitmap_file_header(stored);
    std::vector<std::uint8_t> data(dib.begin(), dib.end());
    if (data.size() % 4 == 2) data.resize(data.size() + 2, 0);
    return data;
}

Result<std::vector<std::uint8_t>> export_bitmap_file(std::span<const std::uint8_t> stored) {
    return make_bitmap_file(without_bitmap_file_header(stored));
}

Result<BitmapSize> bitmap_size(std::span<const std::uint8_t> stored) {
    const auto header = read_dib_layout(without_bitmap_file_header(stored));
    if (!header) return Error{header.error()};
    if (header->width <= 0 || header->height == 0 || header->height == INT32_MIN) return invalid_file_structure();
    return BitmapSize{static_cast<std::uint32_t>(header->width), header->rows()};
}

}  // namespace tavorin
