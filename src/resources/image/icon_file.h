#pragma once
// .ico and .cur files: a 6-byte header (0, type, count), a directory of 16-byte entries (width,
// height, colour count, reserved, planes, bit count, byte size, offset), then the images.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "base/result.h"
#include "resources/image/icon_image.h"

namespace tavorin {

inline constexpr std::size_t icon_file_header_size = 6;
inline constexpr std::size_t icon_file_entry_size = 16;

// The images of a file of the given type, in directory order, not yet numbered. A wrong type, an
// empty directory, an entry pointing outside the file or an image that is neither PNG nor DIB is
// "Invalid file structure".
//
// Each image is read at the offset its entry gives. Files normally hold their images one after
// the other in directory order, but nothing obliges a writer to, and the offsets are what every
// reader of these files goes by.
//
// The bit count of an icon comes from its entry (from the image when the entry leaves it 0); a
// cursor's entry holds the hot spot in the planes and bit-count fields, which the image keeps.
Result<std::vector<IconImage>> read_icon_file(std::span<const std::uint8_t> file, IconType type);
// The number of images an icon or cursor file of the type says it holds, from its first six
// bytes; none when they are no such header.
std::optional<std::uint16_t> icon_file_image_count(std::span<const std::uint8_t> header, IconType type);

// A file of the images in list order, each entry built from its image (width and height as one
// byte each, so 256 is written as 0).
Result<std::vector<std::uint8_t>> write_icon_file(std::span<const IconImage> images, IconType type);

}  // namespace tavorin
