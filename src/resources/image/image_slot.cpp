#include "resources/image/image_slot.h"

#include "imaging/invalid_image.h"
#include "resources/image/bitmap_resource.h"
#include "resources/image/icon_group.h"

namespace tavorin {
namespace {

class BitmapSlot : public ImageSlot {
public:
    explicit BitmapSlot(BitmapResource& bitmap) : bitmap_(bitmap) {}
    Resource& resource() const override { return bitmap_; }
    Result<EditableImage> load() const override { return EditableImage::from_bitmap(bitmap_.dib()); }
    Status store(const EditableImage& image) override {
        auto bytes = image.bytes();
        if (!bytes) return Error{bytes.error()};
        bitmap_.set_dib(std::move(*bytes));
        bitmap_.drop_original_data();
        return success();
    }

private:
    BitmapResource& bitmap_;
};

class GroupImageSlot : public ImageSlot {
public:
    GroupImageSlot(IconGroup& group, std::uint16_t number) : group_(group), number_(number) {}
    Resource& resource() const override { return group_; }
    Result<EditableImage> load() const override {
        const auto index = group_.index_of_number(number_);
        if (!index) return Error{u"No such image"};
        return EditableImage::from_icon_image(group_.images()[*index].bytes);
    }
    Status store(const EditableImage& image) override {
        const auto index = group_.index_of_number(number_);
        if (!index) return Error{u"No such image"};
        auto bytes = image.bytes();
        if (!bytes) return Error{bytes.error()};
        return group_.replace_image(*index, *bytes);
    }

private:
    IconGroup& group_;
    std::uint16_t number_;
};

}  // namespace

std::shared_ptr<ImageSlot> bitmap_slot(BitmapResource& bitmap) { return std::make_shared<BitmapSlot>(bitmap); }

std::shared_ptr<ImageSlot> group_image_slot(IconGroup& group, std::uint16_t number) {
    return std::make_shared<GroupImageSlot>(group, number);
}

}  // namespace tavorin
