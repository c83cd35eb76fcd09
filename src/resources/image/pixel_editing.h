#pragma once
// What the image editor does to the pixels of one image: pen strokes and fills on a working
// copy, each stored back into the resource when it ends and recorded as one undo step. Undo and
// redo go through the image's slot, so they work on the resource itself.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/result.h"
#include "imaging/editable_image.h"
#include "imaging/pixel_painting.h"
#include "model/undo_action.h"
#include "resources/image/image_slot.h"

namespace tavorin {

class UndoHistory;
class Project;

enum class PixelTool { pen, fill };

inline constexpr int zoom_levels[] = {1, 2, 4, 6, 8, 16, 24, 32};

namespace pixel_undo {
inline constexpr std::u16string_view pen = u"Pen";
inline constexpr std::u16string_view fill = u"Fill";
inline constexpr std::u16string_view palette_color = u"Palette Color";
}  // namespace pixel_undo

// The pixels one stroke or fill changed, undone and redone on the resource through its slot.
class PixelEditAction : public Action {
public:
    using Changed = std::function<void(Resource&)>;
    PixelEditAction(std::u16string name, std::shared_ptr<ImageSlot> slot, std::vector<PixelChange> changes,
                    Changed changed)
        : name_(std::move(name)), slot_(std::move(slot)), changes_(std::move(changes)), changed_(std::move(changed)) {}

    std::u16string name() const override { return name_; }
    void redo() override { apply(false); }
    void undo() override { apply(true); }
    std::size_t size() const { return changes_.size(); }

private:
    void apply(bool undo);

    std::u16string name_;
    std::shared_ptr<ImageSlot> slot_;
    std::vector<PixelChange> changes_;
    Changed changed_;
};

class PixelEditing {
public:
    // `changed` is told after every change of the resource (an edit, an undo, a redo).
    PixelEditing(std::shared_ptr<ImageSlot> slot, Project& project, UndoHistory& history,
                 PixelEditAction::Changed changed);

    // Another image to edit (none: nothing); it is read at the next reload().
    void set_slot(std::shared_ptr<ImageSlot> slot) {
        slot_ = std::move(slot);
        image_.reset();
        painter_.reset();
    }
    bool has_slot() const { return slot_ != nullptr; }

    // Reads the image from its slot again (after an undo or redo, or a change elsewhere).
    Status reload();
    bool loaded() const { return image_.has_value(); }
    const EditableImage& image() const { return *image_; }
    ImageSlot& slot() const { return *slot_; }

    // The editor's state. Pen is the tool of a new editor; the colour starts as index 0 or black.
    PixelTool tool = PixelTool::pen;
    std::uint32_t color = 0;
    std::uint8_t alpha = 255;
    bool transparent = false;
    PaintValue paint() const { return paint_value(*image_, color, alpha, transparent); }

    // The mouse button went down on a pixel: the pen starts a stroke there, the fill fills.
    // Returns the pixels changed so far, for the view to redraw.
    std::vector<PixelChange> press(PixelPoint point);
    // The mouse moved while captured: the pen draws the line from its last position.
    std::vector<PixelChange> drag(PixelPoint point);
    // The button was released: the stroke is stored and recorded as one step (nothing when it
    // changed nothing). False when storing failed; the message is in `error`.
    bool release();
    bool stroke_open() const { return painter_ != nullptr; }
    // A palette entry of a 1, 4 or 8-bit image takes the colour (0x00RRGGBB): stored and
    // recorded as one step. False when nothing changed (no such entry, the same colour) or
    // storing failed (the message is in `error`).
    bool set_palette_color(std::size_t index, std::uint32_t color);
    std::u16string error;

private:
    bool finish(std::u16string_view name);
    // The resource was changed: it is marked modified and the editor told.
    PixelEditAction::Changed resource_changed() const;
    std::vector<PixelChange> new_changes();

    std::shared_ptr<ImageSlot> slot_;
    Project& project_;
    UndoHistory& history_;
    PixelEditAction::Changed changed_;
    std::optional<EditableImage> image_;
    std::unique_ptr<PixelPainter> painter_;
    std::size_t reported_ = 0;
    PixelPoint last_{};
};

}  // namespace tavorin
