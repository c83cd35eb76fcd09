#pragma once
// What the icon and cursor group editor does to a group's image list: images added from files,
// removed, moved, cursor hot spots set, and the whole group written out as an .ico or .cur file.
// Every change marks the group modified and is one undo step that puts the list back as it was.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "base/result.h"
#include "resources/image/icon_group.h"

namespace tavorin {

class Project;
class UiStrings;
class UndoHistory;

namespace group_undo {
inline constexpr std::u16string_view add = u"Add Image";
inline constexpr std::u16string_view remove = u"Remove Image";
inline constexpr std::u16string_view move = u"Move Image";
inline constexpr std::u16string_view hotspot = u"Hotspot";
}  // namespace group_undo

// The images a file holds, by its extension (without regard to case): every image of an .ico
// (for icon groups) or .cur (for cursor groups) file; a .png file as one PNG image; a .bmp file
// as one icon image of its depth (32 bits when its colours do not fit a palette of that depth),
// opaque. Other extensions, and a file of the other group kind, are "Invalid file structure".
Result<std::vector<IconImage>> images_from_file(std::span<const std::uint8_t> bytes,
                                                const std::filesystem::path& path, IconType type);

// The labels of an image in the list: its colour depth ("Monochrome (1-bit)" ... "Windows XP
// (32-bit)"; other depths show their bit count), and its size with "PNG-" before PNG images.
std::u16string image_depth_text(std::uint16_t bit_count, const UiStrings& strings);
std::u16string image_size_text(const IconImage& image, const UiStrings& strings);

class GroupEditing {
public:
    using Changed = std::function<void(IconGroup&)>;
    GroupEditing(IconGroup& group, Project& project, UndoHistory& history, Changed changed = {})
        : group_(group), project_(project), history_(history), changed_(std::move(changed)) {}

    // Appends the file's images; returns the index of the first.
    Result<std::size_t> add_from_file(const std::filesystem::path& path);
    Result<std::size_t> add_images(std::vector<IconImage> images);
    void remove(std::size_t index);
    // Moves an image one place up (-1) or down (+1); false when it is at that end already.
    bool move(std::size_t index, int step);
    // Cursor images only: 0 to 31 each, else "Hotspot should be located between 0 and 31".
    Status set_hotspot(std::size_t index, std::int64_t x, std::int64_t y);
    // The group as an .ico or .cur file.
    Status export_to(const std::filesystem::path& path) const;

private:
    void record(std::u16string_view name, std::vector<IconImage> before);

    IconGroup& group_;
    Project& project_;
    UndoHistory& history_;
    Changed changed_;
};

}  // namespace tavorin
