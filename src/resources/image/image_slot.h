#pragma once
// Where the pixels the image editor edits are kept: a bitmap resource's DIB, or one image of an
// icon or cursor group (found by its number, which stays when images move in the list). Undo
// actions keep a slot, not the editor's copy of the image, so they work after the editor closed.

#include <cstdint>
#include <memory>

#include "base/result.h"
#include "imaging/editable_image.h"

namespace tavorin {

class BitmapResource;
class IconGroup;
class Resource;

class ImageSlot {
public:
    virtual ~ImageSlot() = default;
    virtual Resource& resource() const = 0;
    virtual Result<EditableImage> load() const = 0;
    virtual Status store(const EditableImage& image) = 0;
};

std::shared_ptr<ImageSlot> bitmap_slot(BitmapResource& bitmap);
std::shared_ptr<ImageSlot> group_image_slot(IconGroup& group, std::uint16_t number);

}  // namespace tavorin
