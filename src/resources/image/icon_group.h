#pragma once
// An icon group (RT_GROUP_ICON) or cursor group (RT_GROUP_CURSOR): a directory over images that
// are resources of their own (RT_ICON, RT_CURSOR). In a script the group is one line naming an
// .ico or .cur file; in compiled files it is the directory plus one resource per image.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "resources/image/file_resource.h"
#include "resources/image/group_directory.h"
#include "resources/image/icon_image.h"
#include "resources/image/image_numbers.h"

namespace tavorin {

class IconGroup : public FileResource {
public:
    // A group whose images, read from files, take their numbers from `numbers` (the workspace's
    // counters, which outlive every group).
    IconGroup(IconType type, ImageNumbers& numbers);

    // A group directory of a compiled file, over the images read before it from the same file.
    static Result<std::unique_ptr<IconGroup>> decode(std::span<const std::uint8_t> data, IconType type,
                                                     const IconImageMap& read_images, ImageNumbers& numbers);

    IconType icon_type() const { return type_; }

    // The images in directory order; empty while the group refers to its file.
    const std::vector<IconImage>& images() const { return images_; }
    // A new image takes the next number. "Invalid file structure" for bytes that are neither PNG
    // nor DIB; an error when no number is left.
    Result<std::size_t> add_image(std::span<const std::uint8_t> bytes);
    // An image read from a file, hot spot included; it takes the next number, if one is left.
    Result<std::size_t> add_image(IconImage image);
    void remove_image(std::size_t index);
    // Moves the image at `from` so that it ends up at `to`.
    void move_image(std::size_t from, std::size_t to);
    // The whole list at once, as an undo or redo of a change to it puts it back.
    void set_images(std::vector<IconImage> images);
    // Where the image with the number is in the list.
    std::optional<std::size_t> index_of_number(std::uint16_t number) const;
    // New pixels for an image (the image editor's save): size and depth come from the new bytes
    // and the entry kept from the group directory no longer describes them, so it goes.
    Status replace_image(std::size_t index, std::span<const std::uint8_t> bytes);
    // Cursors only: the active point, 0 to 31 each.
    Status set_hotspot(std::size_t index, std::uint16_t x, std::uint16_t y);

    // New numbers for every image, after the counters have been restarted.
    Status renumber_images();
    // Takes the numbers of the `count` images the group's file holds while the script is read,
    // so that images are numbered in the order the script names their groups, as resource
    // compilers number them; the file's images get them when it is loaded. Fails when not
    // enough numbers are left.
    Status reserve_numbers(std::size_t count);

    // The directory, then one item per image (RT_ICON or RT_CURSOR, named by its number, in the
    // group's language).
    void add_items(ResourceItemList& list) const override;
    std::uint16_t memory_flags() const override { return memory_flag::group_directory; }
    Status serialize(BinaryBuffer& out) const override;

protected:
    Result<std::vector<std::uint8_t>> file_bytes() const override;
    Status take_file_bytes(std::span<const std::uint8_t> bytes) override;
    void drop_memory_content() override { images_.clear(); }

private:
    IconType type_;
    ImageNumbers& numbers_;
    std::vector<IconImage> images_;
    std::vector<std::uint16_t> reserved_numbers_;
};

inline constexpr std::u16string_view hotspot_range_message = u"Hotspot should be located between 0 and 31";
inline constexpr std::uint16_t max_hotspot = 31;

// An RT_ICON of a compiled file, kept by number until its group comes; its number raises the icon
// counter. The image's bytes are not copied here: `data` must outlive the decoding of the groups,
// which take their pieces of `block` when `data` lies in one, else copies.
Status read_icon_image(IconImageMap& images, std::uint16_t number, std::span<const std::uint8_t> data,
                       ImageNumbers& numbers, const ByteBlock& block = nullptr);
// An RT_CURSOR likewise, hot spot first.
Status read_cursor_image(IconImageMap& images, std::uint16_t number, std::span<const std::uint8_t> data,
                         ImageNumbers& numbers, const ByteBlock& block = nullptr);

}  // namespace tavorin
