#pragma once
// RT_GROUP_ICON (14) and RT_GROUP_CURSOR (12): 16-bit 0, type, count, then one 14-byte entry per
// image whose last 16 bits are the image's number, the name of its RT_ICON or RT_CURSOR.

#include <cstdint>
#include <map>
#include <span>
#include <vector>

#include "base/result.h"
#include "resources/image/icon_image.h"

namespace tavorin {

inline constexpr std::size_t group_header_size = 6;

// An image read from a compiled file before its group: its fields (`bytes` left empty) and where
// its bytes lie in that file, which must outlive the decoding of the groups. When that is a block
// the images may share, `block` holds it.
struct ReadIconImage {
    IconImage fields;
    std::span<const std::uint8_t> bytes;
    ByteBlock block;
};

// The images read from one compiled file so far, by number; a later image with the same number
// replaces the earlier.
using IconImageMap = std::map<std::uint16_t, ReadIconImage>;

// The entries of a group directory; fewer than 6 + 14 x count bytes is "Invalid file structure".
Result<std::vector<GroupEntryBytes>> decode_group_directory(std::span<const std::uint8_t> data);

std::uint16_t group_entry_number(const GroupEntryBytes& entry);

// The images a group directory names, in its order, each keeping its entry and its bytes (a
// piece of the read image's block, else a copy). An entry whose image was not read is skipped.
// The map keeps its images: two groups may share one.
Result<std::vector<IconImage>> images_of_group(std::span<const std::uint8_t> data, const IconImageMap& read_images);

// The entry of an image: its kept entry when it has one (with its current number), else made
// from the image. An icon's entry has width and height bytes, colour count, planes 1 and the
// bit count; a cursor's has the 16-bit width and doubled height, planes 1 and the bit count, the
// layout Windows reads cursor directories with. The size is that of the image resource.
GroupEntryBytes group_entry_of(const IconImage& image, IconType type);

std::vector<std::uint8_t> encode_group_directory(std::span<const IconImage> images, IconType type);

// RT_CURSOR data: the hot spot (16-bit x, 16-bit y), then the image. Data that holds a bare
// image without hot spot is read as a cursor with the hot spot 0, 0.
std::vector<std::uint8_t> encode_cursor_resource(const IconImage& image);
Result<IconImage> decode_cursor_resource(std::span<const std::uint8_t> data);
// The same without copying the image's bytes.
Result<ReadIconImage> read_cursor_resource(std::span<const std::uint8_t> data);

// Bytes of the image's RT_ICON or RT_CURSOR resource.
std::uint32_t image_resource_size(const IconImage& image, IconType type);

}  // namespace tavorin
