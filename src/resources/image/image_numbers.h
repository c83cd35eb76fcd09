#pragma once
// The two counters that number icon images and cursor images (the names of their RT_ICON and
// RT_CURSOR resources).
//
// Numbering starts at 1, not 0: Windows finds an image through the number in its group
// directory, and the number 0 turns into a null resource name there, so an image numbered 0
// would never load.

#include <cstdint>

#include "resources/image/icon_image.h"

namespace tavorin {

class ImageNumbers {
public:
    static constexpr std::uint16_t first = 1;

    // A number for a new image; the counter moves on.
    std::uint16_t take(IconType type);
    // An image read from binary data keeps its number; later new images come after it.
    void note_read(IconType type, std::uint16_t number);
    // Numbering starts again, as before a compiled resource file is written. Numbers taken
    // afterwards can meet those of images that already exist, so whoever restarts gives every
    // image a new number (IconGroup::renumber_images).
    void restart();

    std::uint16_t next(IconType type) const { return counter(type); }

private:
    std::uint16_t& counter(IconType type) { return type == IconType::icon ? next_icon_ : next_cursor_; }
    std::uint16_t counter(IconType type) const { return type == IconType::icon ? next_icon_ : next_cursor_; }

    std::uint16_t next_icon_ = first;
    std::uint16_t next_cursor_ = first;
};

}  // namespace tavorin
