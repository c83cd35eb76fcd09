#include "resources/image/icon_file.h"

#include <limits>

#include "base/binary_buffer.h"
#include "base/binary_reader.h"
#include "imaging/invalid_image.h"
#include "imaging/packed_fields.h"

namespace tavorin {
namespace {

struct FileEntry {
    std::uint16_t planes = 0;
    std::uint16_t bit_count = 0;
    std::uint32_t size = 0;
    std::uint32_t offset = 0;
};

FileEntry read_entry(BinaryReader& reader) {
    reader.skip(4);  // width, height, colour count, reserved: the image itself knows better
    FileEntry entry;
    entry.planes = read_packed_u16(reader);
    entry.bit_count = read_packed_u16(reader);
    entry.size = read_packed_u32(reader);
    entry.offset = read_packed_u32(reader);
    return entry;
}

Result<IconImage> read_image(std::span<const std::uint8_t> file, const FileEntry& entry, IconType type) {
    if (entry.offset > file.size() || entry.size > file.size() - entry.offset) return invalid_file_structure();
    auto image = make_icon_image(file.subspan(entry.offset, entry.size));
    if (!image) return image;
    if (type == IconType::cursor) {
        image->hotspot_x = entry.planes;
        image->hotspot_y = entry.bit_count;
    } else if (entry.bit_count != 0) {
        image->bit_count = entry.bit_count;
    }
    return image;
}

}  // namespace

Result<std::vector<IconImage>> read_icon_file(std::span<const std::uint8_t> file, IconType type) {
    std::vector<FileEntry> entries;
    try {
        BinaryReader reader(file);
        const std::uint16_t reserved = read_packed_u16(reader);
        const std::uint16_t file_type = read_packed_u16(reader);
        const std::uint16_t count = read_packed_u16(reader);
        if (reserved != 0 || file_type != static_cast<std::uint16_t>(type) || count == 0) {
            return invalid_file_structure();
        }
        if (count > reader.remaining() / icon_file_entry_size) return invalid_file_structure();
        entries.reserve(count);
        for (std::uint16_t i = 0; i < count; ++i) entries.push_back(read_entry(reader));
    } catch (const BinaryReadError&) {
        return invalid_file_structure();
    }

    std::vector<IconImage> images;
    images.reserve(entries.size());
    for (const FileEntry& entry : entries) {
        auto image = read_image(file, entry, type);
        if (!image) return Error{image.error()};
        images.push_back(std::move(*image));
    }
    return images;
}

Result<std::vector<std::uint8_t>> write_icon_file(std::span<const IconImage> images, IconType type) {
    if (images.size() > 0xFFFF) return Error{u"Too many images"};
    std::uint64_t offset = icon_file_header_size + icon_file_entry_size * images.size();
    BinaryBuffer file;
    write_packed_u16(file, 0);
    write_packed_u16(file, static_cast<std::uint16_t>(type));
    write_packed_u16(file, static_cast<std::uint16_t>(images.size()));
    for (const IconImage& image : images) {
        if (offset + image.bytes.size() > std::numeric_limits<std::uint32_t>::max()) return Error{u"Image too large"};
        file.write_u8(static_cast<std::uint8_t>(image.width));
        file.write_u8(static_cast<std::uint8_t>(image.height));
        file.write_u8(directory_color_count(image.bit_count));
        file.write_u8(0);
        write_packed_u16(file, type == IconType::cursor ? image.hotspot_x : 1);
        write_packed_u16(file, type == IconType::cursor ? image.hotspot_y : image.bit_count);
        write_packed_u32(file, static_cast<std::uint32_t>(image.bytes.size()));
        write_packed_u32(file, static_cast<std::uint32_t>(offset));
        offset += image.bytes.size();
    }
    for (const IconImage& image : images) file.write_bytes(image.bytes);
    return file.take();
}

}  // namespace tavorin
