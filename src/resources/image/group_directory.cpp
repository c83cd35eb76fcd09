#include "resources/image/group_directory.h"

#include <algorithm>

#include "base/binary_buffer.h"
#include "base/binary_reader.h"
#include "imaging/invalid_image.h"
#include "imaging/packed_fields.h"

namespace tavorin {
namespace {

constexpr std::size_t number_offset = 12;

void put_u16(GroupEntryBytes& entry, std::size_t at, std::uint16_t value) {
    entry[at] = static_cast<std::uint8_t>(value);
    entry[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void put_u32(GroupEntryBytes& entry, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) entry[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

std::uint16_t group_entry_number(const GroupEntryBytes& entry) {
    return static_cast<std::uint16_t>(entry[number_offset] | (entry[number_offset + 1] << 8));
}

Result<std::vector<GroupEntryBytes>> decode_group_directory(std::span<const std::uint8_t> data) {
    std::vector<GroupEntryBytes> entries;
    try {
        BinaryReader reader(data);
        reader.skip(4);  // reserved, type
        const std::uint16_t count = read_packed_u16(reader);
        if (count > reader.remaining() / group_entry_size) return invalid_file_structure();
        entries.resize(count);
        for (GroupEntryBytes& entry : entries) {
            const auto bytes = reader.read_bytes(group_entry_size);
            std::copy(bytes.begin(), bytes.end(), entry.begin());
        }
    } catch (const BinaryReadError&) {
        return invalid_file_structure();
    }
    return entries;
}

Result<std::vector<IconImage>> images_of_group(std::span<const std::uint8_t> data, const IconImageMap& read_images) {
    const auto entries = decode_group_directory(data);
    if (!entries) return Error{entries.error()};
    std::vector<IconImage> images;
    images.reserve(entries->size());
    for (const GroupEntryBytes& entry : *entries) {
        const auto found = read_images.find(group_entry_number(entry));
        if (found == read_images.end()) continue;
        IconImage& image = images.emplace_back(found->second.fields);
        const ReadIconImage& read = found->second;
        image.bytes = read.block ? SharedBytes(read.block, read.bytes) : SharedBytes::copy_of(read.bytes);
        image.kept_entry = entry;
    }
    return images;
}

std::uint32_t image_resource_size(const IconImage& image, IconType type) {
    const auto size = static_cast<std::uint32_t>(image.bytes.size());
    return type == IconType::cursor ? size + 4 : size;
}

GroupEntryBytes group_entry_of(const IconImage& image, IconType type) {
    GroupEntryBytes entry{};
    if (image.kept_entry) {
        entry = *image.kept_entry;
    } else if (type == IconType::icon) {
        entry[0] = static_cast<std::uint8_t>(image.width);
        entry[1] = static_cast<std::uint8_t>(image.height);
        entry[2] = directory_color_count(image.bit_count);
        entry[3] = 0;
        put_u16(entry, 4, 1);
        put_u16(entry, 6, image.bit_count);
        put_u32(entry, 8, image_resource_size(image, type));
    } else {
        put_u16(entry, 0, static_cast<std::uint16_t>(image.width));
        put_u16(entry, 2, static_cast<std::uint16_t>(2 * image.height));
        put_u16(entry, 4, 1);
        put_u16(entry, 6, image.bit_count);
        put_u32(entry, 8, image_resource_size(image, type));
    }
    put_u16(entry, number_offset, image.number);
    return entry;
}

std::vector<std::uint8_t> encode_group_directory(std::span<const IconImage> images, IconType type) {
    BinaryBuffer out;
    write_packed_u16(out, 0);
    write_packed_u16(out, static_cast<std::uint16_t>(type));
    write_packed_u16(out, static_cast<std::uint16_t>(images.size()));
    for (const IconImage& image : images) out.write_bytes(group_entry_of(image, type));
    return out.take();
}

std::vector<std::uint8_t> encode_cursor_resource(const IconImage& image) {
    BinaryBuffer out;
    out.write_u16(image.hotspot_x);
    out.write_u16(image.hotspot_y);
    out.write_bytes(image.bytes);
    return out.take();
}

Result<IconImage> decode_cursor_resource(std::span<const std::uint8_t> data) {
    auto read = read_cursor_resource(data);
    if (!read) return Error{read.error()};
    read->fields.bytes = SharedBytes::copy_of(read->bytes);
    return std::move(read->fields);
}

Result<ReadIconImage> read_cursor_resource(std::span<const std::uint8_t> data) {
    if (data.size() < 4) return invalid_file_structure();
    BinaryReader reader(data);
    const std::uint16_t x = reader.read_u16();
    const std::uint16_t y = reader.read_u16();
    auto image = icon_image_fields(data.subspan(4));
    if (!image) {
        // Some compilers have written cursor images without the hot spot; such data starts
        // with the image itself.
        auto bare = icon_image_fields(data);
        if (!bare) return Error{image.error()};
        return ReadIconImage{std::move(*bare), data, nullptr};
    }
    image->hotspot_x = x;
    image->hotspot_y = y;
    return ReadIconImage{std::move(*image), data.subspan(4), nullptr};
}

}  // namespace tavorin
