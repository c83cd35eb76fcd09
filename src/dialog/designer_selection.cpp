#include "dialog/designer_selection.h"

#include <algorithm>

#include "dialog/dialog.h"

namespace tavorin {

bool DesignerSelection::contains(std::int32_t key) const {
    return std::find(keys_.begin(), keys_.end(), key) != keys_.end();
}

void DesignerSelection::select_only(std::int32_t key) {
    keys_.assign(1, key);
    primary_ = key;
}

void DesignerSelection::add(std::int32_t key) {
    if (contains(key)) return;
    if (keys_.empty()) primary_ = key;
    keys_.push_back(key);
}

void DesignerSelection::toggle(std::int32_t key) {
    const auto found = std::find(keys_.begin(), keys_.end(), key);
    if (found == keys_.end()) {
        keys_.push_back(key);
        primary_ = key;
        return;
    }
    keys_.erase(found);
    if (primary_ == key && !keys_.empty()) primary_ = keys_.back();
}

void DesignerSelection::make_primary(std::int32_t key) {
    if (contains(key)) primary_ = key;
}

void DesignerSelection::select_all(const Dialog& dialog) {
    keys_.clear();
    for (const auto& control : dialog.controls()) keys_.push_back(control->unique_key());
    if (!keys_.empty()) primary_ = keys_.front();
}

void DesignerSelection::tab(const Dialog& dialog, bool backwards) {
    const auto& controls = dialog.controls();
    if (controls.empty()) {
        clear();
        return;
    }
    const auto current = primary() ? dialog.index_of(*primary()) : std::nullopt;
    if (!current) {
        select_only((backwards ? controls.back() : controls.front())->unique_key());
        return;
    }
    if (backwards ? *current == 0 : *current + 1 == controls.size()) {
        clear();
        return;
    }
    select_only(controls[backwards ? *current - 1 : *current + 1]->unique_key());
}

void DesignerSelection::prune(const Dialog& dialog) {
    std::erase_if(keys_, [&](std::int32_t key) { return dialog.find_control(key) == nullptr; });
    if (!keys_.empty() && !contains(primary_)) primary_ = keys_.front();
}

std::vector<Control*> DesignerSelection::controls(const Dialog& dialog) const {
    std::vector<Control*> found;
    for (std::int32_t key : keys_) {
        if (Control* control = dialog.find_control(key)) found.push_back(control);
    }
    return found;
}

Control* DesignerSelection::primary_control(const Dialog& dialog) const {
    return keys_.empty() ? nullptr : dialog.find_control(primary_);
}

std::optional<DialogRect> selection_bounds(const std::vector<Control*>& controls) {
    if (controls.empty()) return std::nullopt;
    std::int32_t left = controls.front()->rect().x;
    std::int32_t top = controls.front()->rect().y;
    std::int32_t right = left + controls.front()->rect().width;
    std::int32_t bottom = top + controls.front()->rect().height;
    for (const Control* control : controls) {
        const DialogRect& rect = control->rect();
        left = std::min(left, rect.x);
        top = std::min(top, rect.y);
        right = std::max(right, rect.x + rect.width);
        bottom = std::max(bottom, rect.y + rect.height);
    }
    return DialogRect{left, top, right - left, bottom - top};
}

}  // namespace tavorin
