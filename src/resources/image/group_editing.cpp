#include "resources/image/group_editing.h"

#include "base/file_io.h"
#include "base/text.h"
#include "imaging/bitmap_file_header.h"
#include "imaging/dib_decoder.h"
#include "imaging/dib_encoder.h"
#include "imaging/dib_header.h"
#include "imaging/invalid_image.h"
#include "imaging/png_codec.h"
#include "model/project.h"
#include "model/undo_history.h"
#include "resources/image/icon_file.h"
#include "services/string_ids.h"
#include "services/ui_strings.h"

namespace tavorin {
namespace {

Result<IconImage> image_of_bitmap_file(std::span<const std::uint8_t> bytes) {
    auto pixels = decode_bitmap(bytes);
    if (!pixels) return Error{pixels.error()};
    make_opaque(*pixels);
    const auto header = read_dib_layout(without_bitmap_file_header(bytes));
    std::uint16_t bit_count = header ? header->bit_count : 32;
    if (bit_count != 1 && bit_count != 4 && bit_count != 8 && bit_count != 24) bit_count = 32;
    auto dib = encode_icon_dib(*pixels, bit_count);
    // Colours that do not fit the depth's palette: the full depth.
    if (!dib) dib = encode_icon_dib(*pixels, 32);
    if (!dib) return Error{dib.error()};
    return make_icon_image(*dib);
}

class GroupSnapshotAction : public Action {
public:
    GroupSnapshotAction(std::u16string name, IconGroup& group, Project& project, std::vector<IconImage> before,
                        std::vector<IconImage> after, GroupEditing::Changed changed)
        : name_(std::move(name)), group_(group), project_(project), before_(std::move(before)),
          after_(std::move(after)), changed_(std::move(changed)) {}

    std::u16string name() const override { return name_; }
    void redo() override { put(after_); }
    void undo() override { put(before_); }

private:
    void put(const std::vector<IconImage>& images) {
        group_.set_images(images);
        project_.set_modified(group_, true);
        if (changed_) changed_(group_);
    }

    std::u16string name_;
    IconGroup& group_;
    Project& project_;
    std::vector<IconImage> before_;
    std::vector<IconImage> after_;
    GroupEditing::Changed changed_;
};

}  // namespace

Result<std::vector<IconImage>> images_from_file(std::span<const std::uint8_t> bytes,
                                                const std::filesystem::path& path, IconType type) {
    const std::u16string extension = to_ascii_lower(path.extension().u16string());
    if (extension == u".ico" || extension == u".cur") {
        const IconType file_type = extension == u".ico" ? IconType::icon : IconType::cursor;
        if (file_type != type) return invalid_file_structure();
        return read_icon_file(bytes, type);
    }
    if (extension == u".png") {
        if (!is_png(bytes)) return invalid_file_structure();
        auto image = make_icon_image(bytes);
        if (!image) return Error{image.error()};
        return std::vector<IconImage>{std::move(*image)};
    }
    if (extension == u".bmp") {
        auto image = image_of_bitmap_file(bytes);
        if (!image) return Error{image.error()};
        return std::vector<IconImage>{std::move(*image)};
    }
    return invalid_file_structure();
}

std::u16string image_depth_text(std::uint16_t bit_count, const UiStrings& strings) {
    switch (bit_count) {
        case 1: return strings.text(str::depth_monochrome);
        case 4: return strings.text(str::depth_16_colors);
        case 8: return strings.text(str::depth_256_colors);
        case 24: return strings.text(str::depth_true_color);
        case 32: return strings.text(str::depth_32_bit);
        default: return decimal(bit_count) + u"-bit";
    }
}

std::u16string image_size_text(const IconImage& image, const UiStrings& strings) {
    std::u16string text = strings.text(str::image_size_label) + u" ";
    if (image.png) text += strings.text(str::png_prefix);
    return text + decimal(image.width) + u" x " + decimal(image.height);
}

Result<std::size_t> GroupEditing::add_from_file(const std::filesystem::path& path) {
    auto bytes = read_file_bytes(path);
    if (!bytes) return Error{bytes.error()};
    auto images = images_from_file(*bytes, path, group_.icon_type());
    if (!images) return Error{path.u16string() + u": " + images.error()};
    return add_images(std::move(*images));
}

Result<std::size_t> GroupEditing::add_images(std::vector<IconImage> images) {
    if (images.empty()) return invalid_file_structure();
    std::vector<IconImage> before = group_.images();
    const std::size_t first = group_.images().size();
    for (IconImage& image : images) {
        // A cursor's hot spot comes along from its file when it lies where the editor allows it.
        if (image.hotspot_x > max_hotspot || image.hotspot_y > max_hotspot) image.hotspot_x = image.hotspot_y = 0;
        if (const auto added = group_.add_image(std::move(image)); !added) {
            group_.set_images(std::move(before));
            return Error{added.error()};
        }
    }
    record(group_undo::add, std::move(before));
    return first;
}

void GroupEditing::remove(std::size_t index) {
    if (index >= group_.images().size()) return;
    std::vector<IconImage> before = group_.images();
    group_.remove_image(index);
    record(group_undo::remove, std::move(before));
}

bool GroupEditing::move(std::size_t index, int step) {
    const std::size_t count = group_.images().size();
    if (index >= count || (step < 0 && index == 0) || (step > 0 && index + 1 >= count) || step == 0) return false;
    std::vector<IconImage> before = group_.images();
    group_.move_image(index, step < 0 ? index - 1 : index + 1);
    record(group_undo::move, std::move(before));
    return true;
}

Status GroupEditing::set_hotspot(std::size_t index, std::int64_t x, std::int64_t y) {
    if (index >= group_.images().size()) return Error{u"No such image"};
    if (x < 0 || y < 0 || x > max_hotspot || y > max_hotspot) return Error{std::u16string(hotspot_range_message)};
    const IconImage& image = group_.images()[index];
    if (image.hotspot_x == x && image.hotspot_y == y) return success();
    std::vector<IconImage> before = group_.images();
    const Status set = group_.set_hotspot(index, static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y));
    if (!set) return set;
    record(group_undo::hotspot, std::move(before));
    return success();
}

Status GroupEditing::export_to(const std::filesystem::path& path) const {
    auto file = write_icon_file(group_.images(), group_.icon_type());
    if (!file) return Error{file.error()};
    return write_file_atomically(path, *file);
}

void GroupEditing::record(std::u16string_view name, std::vector<IconImage> before) {
    project_.set_modified(group_, true);
    history_.record(std::make_unique<GroupSnapshotAction>(std::u16string(name), group_, project_, std::move(before),
                                                          group_.images(), changed_));
    if (changed_) changed_(group_);
}

}  // namespace tavorin
