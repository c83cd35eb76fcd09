#include "resources/image/pixel_editing.h"

#include "model/project.h"
#include "model/undo_history.h"

namespace tavorin {

void PixelEditAction::apply(bool undo) {
    auto image = slot_->load();
    if (!image) return;
    apply_pixel_changes(*image, changes_, undo);
    if (!slot_->store(*image)) return;
    if (changed_) changed_(slot_->resource());
}

PixelEditing::PixelEditing(std::shared_ptr<ImageSlot> slot, Project& project, UndoHistory& history,
                           PixelEditAction::Changed changed)
    : slot_(std::move(slot)), project_(project), history_(history), changed_(std::move(changed)) {}

Status PixelEditing::reload() {
    painter_.reset();
    if (!slot_) {
        image_.reset();
        return success();
    }
    auto image = slot_->load();
    if (!image) {
        image_.reset();
        return Error{image.error()};
    }
    image_ = std::move(*image);
    return success();
}

std::vector<PixelChange> PixelEditing::new_changes() {
    const auto& all = painter_->changes();
    std::vector<PixelChange> fresh(all.begin() + static_cast<std::ptrdiff_t>(reported_), all.end());
    reported_ = all.size();
    return fresh;
}

std::vector<PixelChange> PixelEditing::press(PixelPoint point) {
    if (!image_) return {};
    painter_ = std::make_unique<PixelPainter>(*image_);
    reported_ = 0;
    if (tool == PixelTool::fill) {
        painter_->fill(point, paint());
        auto changes = new_changes();
        finish(pixel_undo::fill);
        return changes;
    }
    painter_->set(point, paint());
    last_ = point;
    return new_changes();
}

std::vector<PixelChange> PixelEditing::drag(PixelPoint point) {
    if (!painter_ || point == last_) return {};
    painter_->line(last_, point, paint());
    last_ = point;
    return new_changes();
}

bool PixelEditing::release() {
    if (!painter_) return true;
    return finish(pixel_undo::pen);
}

bool PixelEditing::finish(std::u16string_view name) {
    std::vector<PixelChange> changes = painter_->take_changes();
    painter_.reset();
    if (changes.empty()) return true;
    if (const Status stored = slot_->store(*image_); !stored) {
        error = stored.error();
        // The working copy no longer matches the resource: take the resource's pixels again.
        (void)reload();
        return false;
    }
    project_.set_modified(slot_->resource(), true);
    history_.record(std::make_unique<PixelEditAction>(std::u16string(name), slot_, std::move(changes), resource_changed()));
    if (changed_) changed_(slot_->resource());
    return true;
}

PixelEditAction::Changed PixelEditing::resource_changed() const {
    Project& project = project_;
    return [&project, forward = changed_](Resource& resource) {
        project.set_modified(resource, true);
        if (forward) forward(resource);
    };
}

bool PixelEditing::set_palette_color(std::size_t index, std::uint32_t color) {
    color &= 0x00FFFFFFu;
    if (!image_ || index >= image_->palette().size() || image_->palette()[index] == color) return false;
    const std::uint32_t before = image_->palette()[index];
    image_->set_palette_color(index, color);
    if (const Status stored = slot_->store(*image_); !stored) {
        error = stored.error();
        (void)reload();
        return false;
    }
    const auto put = [slot = slot_, index, changed = resource_changed()](std::uint32_t value) {
        auto image = slot->load();
        if (!image || !image->set_palette_color(index, value) || !slot->store(*image)) return;
        changed(slot->resource());
    };
    history_.record(std::make_unique<CallbackAction>(std::u16string(pixel_undo::palette_color),
                                                     [put, color] { put(color); }, [put, before] { put(before); }));
    resource_changed()(slot_->resource());
    return true;
}

}  // namespace tavorin
