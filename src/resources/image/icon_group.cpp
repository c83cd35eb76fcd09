#include "resources/image/icon_group.h"

#include <algorithm>

#include "resources/image/icon_file.h"

namespace tavorin {
namespace {

// One image of a group as the compiled writers see it. Lives in the item list of one save,
// while its group does.
class IconImageItem : public ResourceItem {
public:
    IconImageItem(const IconGroup& group, const IconImage& image) : group_(group), image_(image) {}

    NameOrOrdinal type() const override {
        return NameOrOrdinal::of_ordinal(group_.icon_type() == IconType::icon ? resource_type::icon
                                                                              : resource_type::cursor);
    }
    NameOrOrdinal name() const override { return NameOrOrdinal::of_ordinal(image_.number); }
    // An image read in a language of its own keeps it while the group keeps the language it was
    // read in.
    std::uint16_t language() const override {
        const CompiledOrigin* group = group_.origin();
        if (image_.origin && group != nullptr && group->language == group_.language()) return image_.origin->language;
        return group_.language();
    }
    std::uint32_t time_stamp() const override { return group_.time_stamp(); }
    const CompiledOrigin* origin() const override { return image_.origin ? &*image_.origin : nullptr; }
    Status serialize(BinaryBuffer& out) const override {
        if (group_.icon_type() == IconType::icon) {
            out.write_bytes(image_.bytes);
        } else {
            out.write_bytes(encode_cursor_resource(image_));
        }
        return success();
    }
    // A cursor's data starts with its hot spot, so only an icon's is the image itself.
    std::optional<std::span<const std::uint8_t>> held_bytes() const override {
        if (group_.icon_type() != IconType::icon) return std::nullopt;
        return image_.bytes;
    }

private:
    const IconGroup& group_;
    const IconImage& image_;
};

FileResourceTraits traits_of(IconType type) { return type == IconType::icon ? icon_traits() : cursor_traits(); }
ResourceKind kind_of(IconType type) { return type == IconType::icon ? kind::icon : kind::cursor; }

}  // namespace

IconGroup::IconGroup(IconType type, ImageNumbers& numbers)
    : FileResource(kind_of(type), traits_of(type)), type_(type), numbers_(numbers) {}

Result<std::unique_ptr<IconGroup>> IconGroup::decode(std::span<const std::uint8_t> data, IconType type,
                                                    const IconImageMap& read_images, ImageNumbers& numbers) {
    auto images = images_of_group(data, read_images);
    if (!images) return Error{images.error()};
    auto group = std::make_unique<IconGroup>(type, numbers);
    group->images_ = std::move(*images);
    return group;
}

Result<std::size_t> IconGroup::add_image(std::span<const std::uint8_t> bytes) {
    auto image = make_icon_image(bytes);
    if (!image) return Error{image.error()};
    return add_image(std::move(*image));
}

Result<std::size_t> IconGroup::add_image(IconImage image) {
    const auto number = numbers_.take(type_);
    if (!number) return Error{too_many_images_text};
    image.number = *number;
    image.kept_entry.reset();
    image.origin.reset();
    images_.push_back(std::move(image));
    drop_original_data();
    return images_.size() - 1;
}

void IconGroup::remove_image(std::size_t index) {
    if (index >= images_.size()) return;
    images_.erase(images_.begin() + static_cast<std::ptrdiff_t>(index));
    drop_original_data();
}

void IconGroup::move_image(std::size_t from, std::size_t to) {
    if (from >= images_.size() || to >= images_.size() || from == to) return;
    const auto at = [this](std::size_t index) { return images_.begin() + static_cast<std::ptrdiff_t>(index); };
    if (from < to) {
        std::rotate(at(from), at(from + 1), at(to + 1));
    } else {
        std::rotate(at(to), at(from), at(from + 1));
    }
    drop_original_data();
}

void IconGroup::set_images(std::vector<IconImage> images) {
    images_ = std::move(images);
    drop_original_data();
}

std::optional<std::size_t> IconGroup::index_of_number(std::uint16_t number) const {
    for (std::size_t i = 0; i < images_.size(); ++i) {
        if (images_[i].number == number) return i;
    }
    return std::nullopt;
}

Status IconGroup::replace_image(std::size_t index, std::span<const std::uint8_t> bytes) {
    if (index >= images_.size()) return Error{u"No such image"};
    auto image = make_icon_image(bytes);
    if (!image) return Error{image.error()};
    IconImage& old = images_[index];
    image->number = old.number;
    image->hotspot_x = old.hotspot_x;
    image->hotspot_y = old.hotspot_y;
    old = std::move(*image);
    drop_original_data();
    return success();
}

Status IconGroup::set_hotspot(std::size_t index, std::uint16_t x, std::uint16_t y) {
    if (index >= images_.size()) return Error{u"No such image"};
    if (x > max_hotspot || y > max_hotspot) return Error{std::u16string(hotspot_range_message)};
    images_[index].hotspot_x = x;
    images_[index].hotspot_y = y;
    images_[index].origin.reset();
    return success();
}

Status IconGroup::renumber_images() {
    drop_original_data();
    for (IconImage& image : images_) {
        const auto number = numbers_.take(type_);
        if (!number) return Error{too_many_images_text};
        image.number = *number;
        image.origin.reset();
    }
    return success();
}

Status IconGroup::reserve_numbers(std::size_t count) {
    reserved_numbers_.clear();
    for (std::size_t i = 0; i < count; ++i) {
        const auto number = numbers_.take(type_);
        if (!number) return Error{too_many_images_text};
        reserved_numbers_.push_back(*number);
    }
    return success();
}

void IconGroup::add_items(ResourceItemList& list) const {
    list.add(*this);
    for (const IconImage& image : images_) list.add_owned(std::make_unique<IconImageItem>(*this, image));
}

Status IconGroup::serialize(BinaryBuffer& out) const {
    const Status loaded = require_in_memory();
    if (!loaded) return loaded;
    out.write_bytes(encode_group_directory(images_, type_));
    return success();
}

Result<std::vector<std::uint8_t>> IconGroup::file_bytes() const { return write_icon_file(images_, type_); }

Status IconGroup::take_file_bytes(std::span<const std::uint8_t> bytes) {
    auto images = read_icon_file(bytes, type_);
    if (!images) return Error{images.error()};
    // The numbers reserved for the file fit it unless it changed since.
    const bool reserved = reserved_numbers_.size() == images->size();
    for (std::size_t i = 0; i < images->size(); ++i) {
        const auto number = reserved ? std::optional<std::uint16_t>(reserved_numbers_[i]) : numbers_.take(type_);
        if (!number) return Error{too_many_images_text};
        (*images)[i].number = *number;
    }
    images_ = std::move(*images);
    return success();
}

Status read_icon_image(IconImageMap& images, std::uint16_t number, std::span<const std::uint8_t> data,
                       ImageNumbers& numbers, const ByteBlock& block) {
    auto image = icon_image_fields(data);
    if (!image) return Error{image.error()};
    image->number = number;
    images[number] = ReadIconImage{std::move(*image), data, block};
    numbers.note_read(IconType::icon, number);
    return success();
}

Status read_cursor_image(IconImageMap& images, std::uint16_t number, std::span<const std::uint8_t> data,
                         ImageNumbers& numbers, const ByteBlock& block) {
    auto image = read_cursor_resource(data);
    if (!image) return Error{image.error()};
    image->fields.number = number;
    image->block = block;
    images[number] = std::move(*image);
    numbers.note_read(IconType::cursor, number);
    return success();
}

}  // namespace tavorin
