#pragma once
// The designer's selection: the selected controls by unique key, in the order they were
// selected, and the primary control that align and size commands take as their reference. An
// empty selection means the dialog itself is selected.

#include <cstdint>
#include <optional>
#include <vector>

#include "dialog/dialog_rect.h"

namespace tavorin {

class Control;
class Dialog;

class DesignerSelection {
public:
    bool empty() const { return keys_.empty(); }
    std::size_t size() const { return keys_.size(); }
    const std::vector<std::int32_t>& keys() const { return keys_; }
    std::optional<std::int32_t> primary() const {
        return keys_.empty() ? std::nullopt : std::optional<std::int32_t>(primary_);
    }
    bool contains(std::int32_t key) const;

    void clear() { keys_.clear(); }
    // The control alone, primary.
    void select_only(std::int32_t key);
    // Adds the control (primary when it is the first); nothing when already selected.
    void add(std::int32_t key);
    // Ctrl+click: adds the control as primary, or removes it when selected.
    void toggle(std::int32_t key);
    void make_primary(std::int32_t key);
    // Every control of the dialog in list order, the first primary.
    void select_all(const Dialog& dialog);
    // Tab (Shift+Tab): the next (previous) control in list order after the primary one alone;
    // past either end the dialog.
    void tab(const Dialog& dialog, bool backwards);
    // Drops the keys of controls the dialog no longer has (after an undo or redo).
    void prune(const Dialog& dialog);

    // The selected controls, in selection order.
    std::vector<Control*> controls(const Dialog& dialog) const;
    Control* primary_control(const Dialog& dialog) const;

private:
    std::vector<std::int32_t> keys_;
    std::int32_t primary_ = 0;
};

// The bounding box of the selected controls in dialog units; none without selection.
std::optional<DialogRect> selection_bounds(const std::vector<Control*>& controls);

}  // namespace tavorin
