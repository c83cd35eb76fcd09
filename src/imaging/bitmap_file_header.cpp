#include "imaging/bitmap_file_header.h"

#include <limits>

#include "base/binary_buffer.h"
#include "base/binary_reader.h"
#include "imaging/dib_header.h"
#include "imaging/invalid_image.h"
#include "imaging/packed_fields.h"

namespace tavorin {

bool has_bitmap_file_header(std::span<const std::uint8_t> data) {
    return data.size() >= 2 && data[0] == 'B' && data[1] == 'M';
}

std::uint32_t stored_pixel_offset(std::span<const std::uint8_t> file) {
    BinaryReader reader(file);
    reader.seek(10);
    return read_packed_u32(reader);
}

std::span<const std::uint8_t> without_bitmap_file_header(std::span<const std::uint8_t> data) {
    if (!has_bitmap_file_header(data)) return data;
    return data.size() <= bitmap_file_header_size ? data.subspan(data.size()) : data.subspan(bitmap_file_header_size);
}

Result<std::vector<std::uint8_t>> make_bitmap_file(std::span<const std::uint8_t> dib) {
    const auto header = read_dib_layout(dib);
    if (!header) return Error{header.error()};
    const std::uint64_t file_size = bitmap_file_header_size + dib.size();
    const std::uint64_t pixel_offset = bitmap_file_header_size + header->pixel_offset();
    if (file_size > std::numeric_limits<std::uint32_t>::max() || pixel_offset > file_size) {
        return invalid_file_structure();
    }
    BinaryBuffer file;
    file.write_u8('B');
    file.write_u8('M');
    write_packed_u32(file, static_cast<std::uint32_t>(file_size));
    write_packed_u32(file, 0);  // two reserved 16-bit fields
    write_packed_u32(file, static_cast<std::uint32_t>(pixel_offset));
    file.write_bytes(dib);
    return file.take();
}

}  // namespace tavorin
