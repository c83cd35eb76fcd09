#pragma once
// What the dialog designer does to its dialog: moves and resizes, placing new controls, the
// layout commands, z-order, the control clipboard, property changes. Every change is applied to
// the model, marks the dialog modified and is recorded in the editor's undo history under the
// names the Undo list shows; actions find their controls by unique key, so they survive the
// deletion and re-creation of a control.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "dialog/control_record.h"
#include "dialog/designer_geometry.h"
#include "dialog/designer_selection.h"
#include "dialog/designer_settings.h"
#include "dialog/dialog.h"
#include "model/undo_history.h"

namespace tavorin {

namespace designer_undo {
inline constexpr std::u16string_view move_control = u"Move Control";
inline constexpr std::u16string_view resize_control = u"Resize Control";
inline constexpr std::u16string_view create_control = u"Create Control";
inline constexpr std::u16string_view paste = u"Paste";
inline constexpr std::u16string_view delete_control = u"Delete";
inline constexpr std::u16string_view control_order = u"Set Control Order";
inline constexpr std::u16string_view property = u"Property";
inline constexpr std::u16string_view control_style = u"Control Style";
inline constexpr std::u16string_view layout = u"Layout";
inline constexpr std::u16string_view align_as_group = u"Align As group";
inline constexpr std::u16string_view center_control = u"Center control";
inline constexpr std::u16string_view vertically_center_as_group = u"Vertically center As group";
inline constexpr std::u16string_view horizontally_center_as_group = u"Horizontally center As group";
inline constexpr std::u16string_view horizontally_space = u"Horizontally space";
inline constexpr std::u16string_view vertically_space = u"Vertically space";
inline constexpr std::u16string_view fit_to_contents = u"Fit to contents";
inline constexpr std::u16string_view name_change = u"Name change";
inline constexpr std::u16string_view custom_style = u"Custom Control Style";
inline constexpr std::u16string_view custom_extended_style = u"Custom Control Extended Style";
}  // namespace designer_undo

enum class LayoutCommand : std::uint8_t {
    align_lefts,
    align_rights,
    align_tops,
    align_bottoms,
    center_vertically,
    center_horizontally,
    space_horizontally,
    space_vertically,
    same_width,
    same_height,
    same_size,
};

// How an align or centre command runs: `direct` is the command itself (not from a toolbar
// drop-down), the others the drop-down's choices.
enum class LayoutMode : std::uint8_t { direct, individually, as_group, control };

// Size and align commands need 2 selected controls, centre commands 1, space commands 3.
bool layout_enabled(LayoutCommand command, std::size_t selected);
// The drop-down's choices: "As group" needs 3 controls for align commands and 2 for centre
// commands, "Control" (centre commands only) 2.
bool layout_mode_enabled(LayoutCommand command, LayoutMode mode, std::size_t selected);

enum class ZOrder : std::uint8_t { bring_to_front, send_to_back, bring_forward, send_backward };

// The control clipboard, inside the program: one record per copied control, in selection order.
struct ControlClipboard {
    std::vector<ControlRecord> records;
    bool empty() const { return records.empty(); }
};

// The dialog's own properties, as one "Property" step changes them.
struct DialogProperties {
    std::u16string caption;
    DialogRect rect;
    std::uint32_t style = 0;
    std::uint32_t extended_style = 0;
    DialogFont font;
    std::u16string menu;
    std::u16string class_name;

    friend bool operator==(const DialogProperties&, const DialogProperties&) = default;
};
DialogProperties dialog_properties(const Dialog& dialog);

class DesignerEditing {
public:
    DesignerEditing(Dialog& dialog, UndoHistory& history, const DesignerSettings& settings, DesignerSelection& selection)
        : dialog_(dialog), history_(history), settings_(settings), selection_(selection) {}

    Dialog& dialog() const { return dialog_; }
    DesignerSelection& selection() const { return selection_; }

    // Moves every selected control by the offset: one "Move Control" step per control, two or
    // more grouped as "Move Control". False when nothing moved.
    bool move_selection(Offset offset);
    // An arrow key: with Shift and one selected control a resize, else a move of the selection
    // (with Ctrl by the grid). False when nothing changed.
    bool arrow_key(ArrowKey key, bool control, bool shift);
    // One "Resize Control" step. False when the rectangle is unchanged or no control has the key.
    bool resize_control(std::int32_t key, const DialogRect& rect);

    // Places a control of the kind from the toolbox: a click puts one of its natural or default
    // size centred on (x, y) (pass width and height -1), a drag gives the rectangle. One "Create
    // Control" step; the control becomes the only selected one.
    Result<Control*> place_control(ControlKind kind, const DialogRect& rect);

    // An align, centre, space or size command on the selection. False when nothing changed
    // (nothing is recorded then).
    bool layout(LayoutCommand command, LayoutMode mode = LayoutMode::direct);
    // Moves the primary control in the list. False (nothing recorded) when it is already there.
    bool z_order(ZOrder order);
    // Moves a control to a position of the list (the tab order list). One "Set Control Order".
    bool set_control_order(std::int32_t key, std::size_t index);
    // Gives the selected controls that can measure themselves their natural size, by the
    // auto-resize setting; group "Fit to contents".
    bool fit_to_contents(Platform& platform);

    ControlClipboard copy() const;
    // Pastes the clipboard's controls (each offset by sepSize, cascading, or centred on `here`),
    // selecting them; group "Paste". Returns how many were pasted.
    Result<std::size_t> paste(ControlClipboard& clipboard, std::optional<std::pair<std::int32_t, std::int32_t>> here);
    // Deletes the selected controls, group "Delete", and selects the dialog.
    bool delete_selection();

    // A property of the panel on every selected control that has it, one "Property" step per
    // control (grouped as "Property" when several changed). False when nothing changed.
    bool set_property(PropertyId id, std::int64_t value);
    // The caption of every selected control with a caption, group "Name change", followed by the
    // auto-resize rule.
    bool set_caption(std::u16string_view text, Platform& platform);
    // The style or extended style of every selected Custom Control; groups "Custom Control
    // Style" and "Custom Control Extended Style" of "Control Style" steps.
    bool set_custom_styles(std::optional<std::uint32_t> style, std::optional<std::uint32_t> extended_style);
    // A double click on a middle handle of the primary control: a Button's caption aligned
    // toward that side ("Property" step). False for other kinds and handles.
    bool align_caption(Handle handle);
    // The primary control's identifier renamed (a new name becomes a symbol), one "Property"
    // step whose undo gives the control its old name and value back. A name that is no valid
    // identifier or that another control of the dialog uses is refused with the message to show;
    // nothing is recorded then, nor for an unchanged name.
    Status set_identifier(std::u16string_view text);
    // The window class of the primary control when it is a Custom Control, one "Property" step.
    // False (nothing recorded) for an empty or unchanged class or another kind.
    bool set_custom_class(std::u16string_view class_name);
    // The dialog's own properties, one "Property" step.
    bool set_dialog_properties(const DialogProperties& properties);

private:
    bool apply_rects(std::u16string_view group, const std::vector<std::pair<Control*, DialogRect>>& changes);
    void record_move(Control& control, Offset offset);
    void modified();
    DialogSize dialog_size() const { return DialogSize{dialog_.rect().width, dialog_.rect().height}; }

    Dialog& dialog_;
    UndoHistory& history_;
    const DesignerSettings& settings_;
    DesignerSelection& selection_;
};

}  // namespace tavorin
