#pragma once
// The two counters that number icon images and cursor images (the names of their RT_ICON and
// RT_CURSOR resources).
//
// Numbering starts at 1, not 0: Windows finds an image through the number in its group
// directory, and the number 0 turns into a null resource name there, so an image numbered 0
// would never load.

#include <cstdint>
#include <optional>

#include "resources/image/icon_image.h"

namespace tavorin {

// Refusal of an image when every number of its kind is taken.
inline constexpr char16_t too_many_images_text[] =
    u"Too many images: a project holds at most 65535 icon images and 65535 cursor images.";

class ImageNumbers {
public:
    static constexpr std::uint16_t first = 1;

    // A number for a new image; the counter moves on. None once 0xFFFF has been handed out:
    // names are 16 bits, and starting again would give two images one number.
    std::optional<std::uint16_t> take(IconType type);
    // An image read from binary data keeps its number; later new images come after it.
    void note_read(IconType type, std::uint16_t number);
    // Numbering starts again, as before a compiled resource file is written. Numbers taken
    // afterwards can meet those of images that already exist, so whoever restarts gives every
    // image a new number (IconGroup::renumber_images).
    void restart();

    // Past 0xFFFF when every number is taken.
    std::uint32_t next(IconType type) const { return counter(type); }

private:
    std::uint32_t& counter(IconType type) { return type == IconType::icon ? next_icon_ : next_cursor_; }
    std::uint32_t counter(IconType type) const { return type == IconType::icon ? next_icon_ : next_cursor_; }

    std::uint32_t next_icon_ = first;
    std::uint32_t next_cursor_ = first;
};

}  // namespace tavorin
