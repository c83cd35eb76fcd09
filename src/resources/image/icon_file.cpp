#include "resources/image/icon_file.h"

#include <algorithm>
#include <array>
#include <limits>

#include "base/binary_buffer.h"
#include "base/binary_reader.h"
#include "imaging/invalid_image.h"
#include "imaging/packed_fields.h"

namespace tavorin {
namespace {

struct FileEntry {
    std::array<std::uint8_t, 4> size_and_colors{};  // width, height, colour count, reserved
    std::uint16_t planes = 0;
    std::uint16_t bit_count = 0;
    std::uint32_t size = 0;
    std::uint32_t offset = 0;
};

FileEntry read_entry(BinaryReader& reader) {
    FileEntry entry;
    for (auto& byte : entry.size_and_colors) byte = reader.read_u8();
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
    } else {
        // The group directory repeats the file's entry, as compilers copy it; the planes and the
        // depth many files leave 0 there come from the image.
        const std::uint16_t planes = entry.planes != 0 ? entry.planes : 1;
        if (entry.bit_count != 0) image->bit_count = entry.bit_count;
        GroupEntryBytes kept{};
        std::copy(entry.size_and_colors.begin(), entry.size_and_colors.end(), kept.begin());
        const std::uint32_t fields[] = {planes, image->bit_count, entry.size};
        const std::size_t widths[] = {2, 2, 4};
        for (std::size_t i = 0, at = 4; i < 3; at += widths[i], ++i) {
            for (std::size_t b = 0; b < widths[i]; ++b) kept[at + b] = static_cast<std::uint8_t>(fields[i] >> (8 * b));
        }
        image->kept_entry = kept;
    }
    return image;
}

}  // namespace

std::optional<std::uint16_t> icon_file_image_count(std::span<const std::uint8_t> header, IconType type) {
    if (header.size() < 6) return std::nullopt;
    const auto word = [&](std::size_t at) { return static_cast<std::uint16_t>(header[at] | header[at + 1] << 8); };
    if (word(0) != 0 || word(2) != static_cast<std::uint16_t>(type)) return std::nullopt;
    return word(4);
}

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
