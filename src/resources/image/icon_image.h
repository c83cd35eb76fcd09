#pragma once
// One image of an icon or cursor group: the bytes of one RT_ICON or RT_CURSOR resource (for a
// cursor without the hot spot that precedes them there), with what the group directories need
// to know about it.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "base/result.h"
#include "base/shared_bytes.h"
#include "model/resource_item.h"

namespace tavorin {

// The type field of icon files and group directories.
enum class IconType : std::uint16_t { icon = 1, cursor = 2 };

inline constexpr std::size_t group_entry_size = 14;
using GroupEntryBytes = std::array<std::uint8_t, group_entry_size>;

struct IconImage {
    // The resource name of the image: its RT_ICON or RT_CURSOR number.
    std::uint16_t number = 0;
    // A PNG stream or a DIB with its AND mask.
    SharedBytes bytes;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint16_t bit_count = 0;
    bool png = false;
    // The image's entry in the group directory it was read from, written back unchanged.
    std::optional<GroupEntryBytes> kept_entry;
    // Cursors only: the active point, 0 to 31 in the editor.
    std::uint16_t hotspot_x = 0;
    std::uint16_t hotspot_y = 0;
    // The place and .res header fields of the record the image was read from.
    std::optional<CompiledOrigin> origin;
};

// An image from its bytes: PNG, or DIB with a 40-byte header; anything else is
// "Invalid file structure". Size and depth come from the bytes.
Result<IconImage> make_icon_image(std::span<const std::uint8_t> bytes);
// The same without copying the bytes: the image's `bytes` stay empty.
Result<IconImage> icon_image_fields(std::span<const std::uint8_t> bytes);

// The colour count of directory entries: 2 for 1 bit, 4 for 2 bits, 16 for 4 bits, else 0.
std::uint8_t directory_color_count(std::uint16_t bit_count);

}  // namespace tavorin
