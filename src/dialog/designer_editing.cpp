#include "dialog/designer_editing.h"

#include <algorithm>
#include <memory>

#include "dialog/control_size.h"
#include "dialog/window_styles.h"
#include "model/identifier_validation.h"
#include "model/workspace.h"

namespace tavorin {

namespace {

// What a "Property", "Resize Control" or "Control Style" step puts back: everything of a
// control that such a step can change.
struct ControlState {
    std::uint32_t style = 0;
    std::uint32_t extended_style = 0;
    DialogRect rect;
    std::u16string text;
    std::optional<std::uint16_t> text_ordinal;

    friend bool operator==(const ControlState&, const ControlState&) = default;
};

ControlState state_of(const Control& control) {
    return ControlState{control.style(), control.extended_style(), control.rect(), control.text(),
                        control.text_ordinal()};
}

void mark_modified(Dialog& dialog) { dialog.workspace().project().set_modified(dialog, true); }

void restore(Dialog& dialog, std::int32_t key, const ControlState& state) {
    Control* control = dialog.find_control(key);
    if (control == nullptr) return;
    control->set_style(state.style, state.extended_style);
    control->set_rect(state.rect);
    control->set_text(state.text);
    control->set_text_ordinal(state.text_ordinal);
    mark_modified(dialog);
}

class ControlChangeAction : public Action {
public:
    ControlChangeAction(std::u16string_view name, Dialog& dialog, std::int32_t key, ControlState before,
                        ControlState after)
        : name_(name), dialog_(dialog), key_(key), before_(std::move(before)), after_(std::move(after)) {}
    std::u16string name() const override { return name_; }
    void redo() override { restore(dialog_, key_, after_); }
    void undo() override { restore(dialog_, key_, before_); }

private:
    std::u16string name_;
    Dialog& dialog_;
    std::int32_t key_;
    ControlState before_;
    ControlState after_;
};

class MoveControlAction : public Action {
public:
    MoveControlAction(Dialog& dialog, std::int32_t key, Offset offset) : dialog_(dialog), key_(key), offset_(offset) {}
    std::u16string name() const override { return std::u16string(designer_undo::move_control); }
    void redo() override { move(1); }
    void undo() override { move(-1); }

private:
    void move(std::int32_t sign) {
        if (dialog_.move_control_by(key_, sign * offset_.dx, sign * offset_.dy)) mark_modified(dialog_);
    }
    Dialog& dialog_;
    std::int32_t key_;
    Offset offset_;
};

// A control that appears (created, pasted) or disappears (deleted) at a place of the list.
class PresenceAction : public Action {
public:
    PresenceAction(std::u16string_view name, bool created, Dialog& dialog, ControlRecord record, std::size_t index)
        : name_(name), created_(created), dialog_(dialog), record_(std::move(record)), index_(index) {}
    std::u16string name() const override { return name_; }
    void redo() override { created_ ? insert() : remove(); }
    void undo() override { created_ ? remove() : insert(); }

private:
    void insert() {
        (void)dialog_.insert_control(index_, record_);
        mark_modified(dialog_);
    }
    void remove() {
        (void)dialog_.delete_control(record_.unique_key);
        mark_modified(dialog_);
    }
    std::u16string name_;
    bool created_;
    Dialog& dialog_;
    ControlRecord record_;
    std::size_t index_;
};

class ControlOrderAction : public Action {
public:
    ControlOrderAction(Dialog& dialog, std::int32_t key, std::size_t from, std::size_t to)
        : dialog_(dialog), key_(key), from_(from), to_(to) {}
    std::u16string name() const override { return std::u16string(designer_undo::control_order); }
    void redo() override { move(to_); }
    void undo() override { move(from_); }

private:
    void move(std::size_t index) {
        if (dialog_.move_control_to(key_, index)) mark_modified(dialog_);
    }
    Dialog& dialog_;
    std::int32_t key_;
    std::size_t from_;
    std::size_t to_;
};

void apply_dialog_properties(Dialog& dialog, const DialogProperties& properties) {
    dialog.set_caption(properties.caption);
    dialog.set_rect(properties.rect);
    dialog.set_style(properties.style, properties.extended_style);
    if (!(dialog.font() == properties.font)) dialog.set_font(properties.font);
    dialog.set_menu(properties.menu);
    dialog.set_class_name(properties.class_name);
    mark_modified(dialog);
}

bool is_align(LayoutCommand command) {
    return command == LayoutCommand::align_lefts || command == LayoutCommand::align_rights ||
           command == LayoutCommand::align_tops || command == LayoutCommand::align_bottoms;
}
bool is_centre(LayoutCommand command) {
    return command == LayoutCommand::center_vertically || command == LayoutCommand::center_horizontally;
}
bool is_space(LayoutCommand command) {
    return command == LayoutCommand::space_horizontally || command == LayoutCommand::space_vertically;
}

// A picture showing an icon or a bitmap takes the image's size.
bool shows_image(const Control& control) {
    if (control.kind() != ControlKind::picture) return false;
    const std::uint32_t type = control.style() & ws::static_type_mask;
    return type == ws::ss_icon || type == ws::ss_bitmap;
}

// The natural size under the auto-resize setting; none when the control stays as it is.
std::optional<DialogRect> auto_resized(const Control& control, const Dialog& dialog, Platform& platform,
                                       AutoResize rule) {
    if (!control.sizes_from_text() || rule == AutoResize::never) return std::nullopt;
    const auto natural = natural_control_size(control, dialog, platform, preview_frame(control));
    if (!natural) return std::nullopt;
    const DialogRect& rect = control.rect();
    if (rule == AutoResize::only_upsizing && rect.width >= natural->width) return std::nullopt;
    if (rule == AutoResize::only_downsizing && natural->width >= rect.width) return std::nullopt;
    DialogRect resized{rect.x, rect.y, natural->width, natural->height};
    if (resized == rect) return std::nullopt;
    return resized;
}

}  // namespace

DialogProperties dialog_properties(const Dialog& dialog) {
    return DialogProperties{dialog.caption(), dialog.rect(),  dialog.style(),      dialog.extended_style(),
                            dialog.font(),    dialog.menu(), dialog.class_name()};
}

bool layout_enabled(LayoutCommand command, std::size_t selected) {
    if (is_centre(command)) return selected >= 1;
    if (is_space(command)) return selected >= 3;
    return selected >= 2;
}

bool layout_mode_enabled(LayoutCommand command, LayoutMode mode, std::size_t selected) {
    if (!layout_enabled(command, selected)) return false;
    switch (mode) {
        case LayoutMode::direct:
        case LayoutMode::individually: return true;
        case LayoutMode::as_group: return is_align(command) ? selected >= 3 : selected >= 2;
        case LayoutMode::control: return is_centre(command) && selected >= 2;
    }
    return false;
}

void DesignerEditing::modified() { mark_modified(dialog_); }

void DesignerEditing::record_move(Control& control, Offset offset) {
    history_.record(std::make_unique<MoveControlAction>(dialog_, control.unique_key(), offset));
}

bool DesignerEditing::move_selection(Offset offset) {
    if (offset == Offset{}) return false;
    const std::vector<Control*> controls = selection_.controls(dialog_);
    if (controls.empty()) return false;
    const bool grouped = controls.size() > 1;
    if (grouped) history_.open_group(std::u16string(designer_undo::move_control));
    for (Control* control : controls) {
        dialog_.move_control_by(control->unique_key(), offset.dx, offset.dy);
        record_move(*control, offset);
    }
    if (grouped) history_.close_group();
    modified();
    return true;
}

bool DesignerEditing::arrow_key(ArrowKey key, bool control, bool shift) {
    const std::vector<Control*> controls = selection_.controls(dialog_);
    if (controls.empty()) return false;
    if (shift) {
        if (controls.size() != 1) return false;
        const Control& target = *controls.front();
        const auto resized = keyboard_resize(key, target.rect(), DialogSize{target.minimum_width(), target.minimum_height()},
                                             dialog_size());
        return resized && resize_control(target.unique_key(), *resized);
    }
    const Control* primary = selection_.primary_control(dialog_);
    if (primary == nullptr) return false;
    const auto offset = keyboard_move(key, control, primary->rect(), *selection_bounds(controls), dialog_size(), settings_);
    return offset && move_selection(*offset);
}

bool DesignerEditing::resize_control(std::int32_t key, const DialogRect& rect) {
    Control* control = dialog_.find_control(key);
    if (control == nullptr || control->rect() == rect) return false;
    const ControlState before = state_of(*control);
    control->set_rect(rect);
    history_.record(
        std::make_unique<ControlChangeAction>(designer_undo::resize_control, dialog_, key, before, state_of(*control)));
    modified();
    return true;
}

Result<Control*> DesignerEditing::place_control(ControlKind kind, const DialogRect& rect) {
    ControlRecord record;
    record.kind = kind;
    record.x = rect.x;
    record.y = rect.y;
    record.width = rect.width;
    record.height = rect.height;
    auto added = dialog_.add_control(record);
    if (!added || *added == nullptr) return added;
    Control& control = **added;
    history_.record(std::make_unique<PresenceAction>(designer_undo::create_control, true, dialog_, control.snapshot(),
                                                     dialog_.controls().size() - 1));
    selection_.select_only(control.unique_key());
    modified();
    return added;
}

bool DesignerEditing::apply_rects(std::u16string_view group,
                                  const std::vector<std::pair<Control*, DialogRect>>& changes) {
    history_.open_group(std::u16string(group));
    bool changed = false;
    for (const auto& [control, rect] : changes) changed = resize_control(control->unique_key(), rect) || changed;
    history_.close_group();
    return changed;
}

bool DesignerEditing::layout(LayoutCommand command, LayoutMode mode) {
    const std::vector<Control*> controls = selection_.controls(dialog_);
    if (!layout_mode_enabled(command, mode, controls.size())) return false;
    const Control* primary = selection_.primary_control(dialog_);
    if (primary == nullptr) return false;
    const DialogRect p = primary->rect();
    const DialogSize dialog = dialog_size();
    std::vector<std::pair<Control*, DialogRect>> changes;
    const auto others = [&](auto&& change) {
        for (Control* control : controls) {
            if (control == primary) continue;
            DialogRect rect = control->rect();
            change(*control, rect);
            changes.emplace_back(control, rect);
        }
    };

    if (is_centre(command) && mode == LayoutMode::direct) {
        mode = controls.size() == 1 ? LayoutMode::individually : LayoutMode::as_group;
    }
    if (is_align(command) && mode == LayoutMode::direct) mode = LayoutMode::individually;

    const bool vertical_centre = command == LayoutCommand::center_vertically;
    switch (command) {
        case LayoutCommand::align_lefts:
        case LayoutCommand::align_rights:
        case LayoutCommand::align_tops:
        case LayoutCommand::align_bottoms: {
            const bool along_x = command == LayoutCommand::align_lefts || command == LayoutCommand::align_rights;
            const bool at_end = command == LayoutCommand::align_rights || command == LayoutCommand::align_bottoms;
            const auto start = [&](const DialogRect& r) { return along_x ? r.x : r.y; };
            const auto length = [&](const DialogRect& r) { return along_x ? r.width : r.height; };
            const auto edge = [&](const DialogRect& r) { return at_end ? start(r) + length(r) : start(r); };
            const auto set_start = [&](DialogRect& r, std::int32_t value) { (along_x ? r.x : r.y) = value; };
            if (mode == LayoutMode::individually) {
                others([&](Control&, DialogRect& rect) { set_start(rect, edge(p) - (at_end ? length(rect) : 0)); });
                return apply_rects(designer_undo::layout, changes);
            }
            // As a group: the block of the other controls keeps its shape, its outermost edge
            // meeting the primary control's.
            const auto further = [&](std::int32_t a, std::int32_t b) { return at_end ? a > b : a < b; };
            std::optional<std::int32_t> extreme;
            for (const Control* control : controls) {
                if (control == primary) continue;
                if (!extreme || further(edge(control->rect()), *extreme)) extreme = edge(control->rect());
            }
            const std::int32_t shift = edge(p) - *extreme;
            others([&](Control&, DialogRect& rect) { set_start(rect, start(rect) + shift); });
            return apply_rects(designer_undo::align_as_group, changes);
        }
        case LayoutCommand::center_vertically:
        case LayoutCommand::center_horizontally: {
            if (mode == LayoutMode::control) {
                others([&](Control&, DialogRect& rect) {
                    if (vertical_centre) rect.y = p.y + (p.height - rect.height) / 2;
                    else rect.x = p.x + (p.width - rect.width) / 2;
                });
                return apply_rects(designer_undo::center_control, changes);
            }
            if (mode == LayoutMode::as_group) {
                const DialogRect box = *selection_bounds(controls);
                const std::int32_t shift = vertical_centre ? (dialog.height - box.height) / 2 - box.y
                                                           : (dialog.width - box.width) / 2 - box.x;
                for (Control* control : controls) {
                    DialogRect rect = control->rect();
                    (vertical_centre ? rect.y : rect.x) += shift;
                    changes.emplace_back(control, rect);
                }
                return apply_rects(vertical_centre ? designer_undo::vertically_center_as_group
                                                   : designer_undo::horizontally_center_as_group,
                                   changes);
            }
            // Individually, in pixels of the canvas.
            const BaseUnits& base = dialog_.base_units();
            for (Control* control : controls) {
                DialogRect rect = control->rect();
                if (vertical_centre) {
                    const std::int32_t room = vertical_pixels(dialog.height, base) - vertical_pixels(rect.height, base);
                    rect.y = vertical_units(room / 2, base);
                } else {
                    const std::int32_t room =
                        horizontal_pixels(dialog.width, base) - horizontal_pixels(rect.width, base);
                    rect.x = horizontal_units(room / 2, base);
                }
                changes.emplace_back(control, rect);
            }
            return apply_rects(designer_undo::layout, changes);
        }
        case LayoutCommand::space_horizontally:
        case LayoutCommand::space_vertically: {
            const bool along_x = command == LayoutCommand::space_horizontally;
            std::vector<Control*> sorted = controls;
            std::stable_sort(sorted.begin(), sorted.end(), [&](const Control* a, const Control* b) {
                const DialogRect& ra = a->rect();
                const DialogRect& rb = b->rect();
                if (along_x) return ra.x != rb.x ? ra.x < rb.x : ra.y > rb.y;
                return ra.y != rb.y ? ra.y < rb.y : ra.x > rb.x;
            });
            const auto start = [&](const DialogRect& r) { return along_x ? r.x : r.y; };
            const auto length = [&](const DialogRect& r) { return along_x ? r.width : r.height; };
            const DialogRect& first = sorted.front()->rect();
            const DialogRect& last = sorted.back()->rect();
            std::int64_t lengths = 0;
            for (const Control* control : sorted) lengths += length(control->rect());
            const std::int64_t free = start(last) + length(last) - start(first) - lengths;
            const auto gaps = static_cast<std::int64_t>(sorted.size() - 1);
            // The gaps add up, so that the last control stays where it is.
            std::int64_t running = start(first) + length(first);
            for (std::size_t i = 1; i < sorted.size(); ++i) {
                DialogRect rect = sorted[i]->rect();
                const auto position =
                    static_cast<std::int32_t>(running + free * static_cast<std::int64_t>(i) / gaps);
                (along_x ? rect.x : rect.y) = position;
                running += length(rect);
                changes.emplace_back(sorted[i], rect);
            }
            return apply_rects(along_x ? designer_undo::horizontally_space : designer_undo::vertically_space,
                               changes);
        }
        case LayoutCommand::same_width:
        case LayoutCommand::same_height:
        case LayoutCommand::same_size: {
            const bool width = command != LayoutCommand::same_height;
            const bool height = command != LayoutCommand::same_width;
            for (Control* control : controls) {
                if (control == primary || shows_image(*control)) continue;
                DialogRect rect = control->rect();
                if (width) {
                    rect.width = p.width;
                    if (rect.x + rect.width > dialog.width) rect.x = dialog.width - rect.width;
                }
                if (height) {
                    rect.height = p.height;
                    if (rect.y + rect.height > dialog.height) rect.y = dialog.height - rect.height;
                }
                changes.emplace_back(control, rect);
            }
            return apply_rects(designer_undo::layout, changes);
        }
    }
    return false;
}

bool DesignerEditing::z_order(ZOrder order) {
    const Control* primary = selection_.primary_control(dialog_);
    if (primary == nullptr) return false;
    const std::size_t from = *dialog_.index_of(primary->unique_key());
    const std::size_t last = dialog_.controls().size() - 1;
    std::size_t to = from;
    switch (order) {
        case ZOrder::bring_to_front: to = last; break;
        case ZOrder::send_to_back: to = 0; break;
        case ZOrder::bring_forward: to = std::min(from + 1, last); break;
        case ZOrder::send_backward: to = from == 0 ? 0 : from - 1; break;
    }
    return set_control_order(primary->unique_key(), to);
}

bool DesignerEditing::set_control_order(std::int32_t key, std::size_t index) {
    const auto from = dialog_.index_of(key);
    if (!from || dialog_.controls().empty()) return false;
    index = std::min(index, dialog_.controls().size() - 1);
    if (*from == index) return false;
    dialog_.move_control_to(key, index);
    history_.record(std::make_unique<ControlOrderAction>(dialog_, key, *from, index));
    modified();
    return true;
}

bool DesignerEditing::fit_to_contents(Platform& platform) {
    std::vector<std::pair<Control*, DialogRect>> changes;
    for (Control* control : selection_.controls(dialog_)) {
        if (auto rect = auto_resized(*control, dialog_, platform, settings_.auto_resize)) {
            changes.emplace_back(control, *rect);
        }
    }
    return apply_rects(designer_undo::fit_to_contents, changes);
}

ControlClipboard DesignerEditing::copy() const {
    ControlClipboard clipboard;
    for (const Control* control : selection_.controls(dialog_)) {
        ControlRecord record = control->snapshot();
        record.unique_key = -1;
        clipboard.records.push_back(std::move(record));
    }
    return clipboard;
}

Result<std::size_t> DesignerEditing::paste(ControlClipboard& clipboard,
                                           std::optional<std::pair<std::int32_t, std::int32_t>> here) {
    if (clipboard.empty() || dialog_.controls().size() >= max_controls) return std::size_t{0};
    selection_.clear();
    const DialogSize dialog = dialog_size();
    const std::int32_t margin = settings_.visible_margin();
    std::size_t pasted = 0;
    std::optional<Error> failure;
    history_.open_group(std::u16string(designer_undo::paste));
    for (ControlRecord& stored : clipboard.records) {
        ControlRecord record = stored;
        if (here) {
            record.x = here->first - record.width / 2;
            record.y = here->second - record.height / 2;
        } else {
            stored.x += settings_.snap_distance;
            stored.y += settings_.snap_distance;
            record.x = stored.x;
            record.y = stored.y;
        }
        if (record.x + record.width > dialog.width - margin) record.x = margin;
        if (record.y + record.height > dialog.height - margin) record.y = margin;
        auto added = dialog_.add_control(record);
        if (!added) {
            failure = Error{added.error()};
            break;
        }
        if (*added == nullptr) continue;
        Control& control = **added;
        history_.record(std::make_unique<PresenceAction>(designer_undo::paste, true, dialog_, control.snapshot(),
                                                         dialog_.controls().size() - 1));
        selection_.add(control.unique_key());
        ++pasted;
    }
    history_.close_group();
    if (pasted > 0) modified();
    if (failure && pasted == 0) return *failure;
    return pasted;
}

bool DesignerEditing::delete_selection() {
    const std::vector<Control*> controls = selection_.controls(dialog_);
    if (controls.empty()) return false;
    std::vector<std::int32_t> keys;
    for (const Control* control : controls) keys.push_back(control->unique_key());
    history_.open_group(std::u16string(designer_undo::delete_control));
    for (std::int32_t key : keys) {
        const std::size_t index = *dialog_.index_of(key);
        if (auto record = dialog_.delete_control(key)) {
            history_.record(
                std::make_unique<PresenceAction>(designer_undo::delete_control, false, dialog_, *record, index));
        }
    }
    history_.close_group();
    selection_.clear();
    modified();
    return true;
}

bool DesignerEditing::set_property(PropertyId id, std::int64_t value) {
    history_.open_group(std::u16string(designer_undo::property));
    bool changed = false;
    for (Control* control : selection_.controls(dialog_)) {
        const ControlState before = state_of(*control);
        if (!control->set_property_value(id, value)) continue;
        const ControlState after = state_of(*control);
        if (after == before) continue;
        history_.record(std::make_unique<ControlChangeAction>(designer_undo::property, dialog_, control->unique_key(),
                                                              before, after));
        changed = true;
    }
    history_.close_group();
    if (changed) modified();
    return changed;
}

bool DesignerEditing::set_caption(std::u16string_view text, Platform& platform) {
    history_.open_group(std::u16string(designer_undo::name_change));
    bool changed = false;
    std::vector<Control*> renamed;
    for (Control* control : selection_.controls(dialog_)) {
        if (!control->has_caption() || control->caption_is_reference() || control->text() == text) continue;
        const ControlState before = state_of(*control);
        control->set_text(std::u16string(text));
        history_.record(std::make_unique<ControlChangeAction>(designer_undo::property, dialog_, control->unique_key(),
                                                              before, state_of(*control)));
        renamed.push_back(control);
        changed = true;
    }
    for (Control* control : renamed) {
        if (auto rect = auto_resized(*control, dialog_, platform, settings_.auto_resize)) {
            resize_control(control->unique_key(), *rect);
        }
    }
    history_.close_group();
    if (changed) modified();
    return changed;
}

bool DesignerEditing::set_custom_styles(std::optional<std::uint32_t> style,
                                        std::optional<std::uint32_t> extended_style) {
    history_.open_group(std::u16string(style ? designer_undo::custom_style : designer_undo::custom_extended_style));
    bool changed = false;
    for (Control* control : selection_.controls(dialog_)) {
        if (control->kind() != ControlKind::custom) continue;
        const ControlState before = state_of(*control);
        control->set_style(style.value_or(control->style()), extended_style.value_or(control->extended_style()));
        const ControlState after = state_of(*control);
        if (after == before) continue;
        history_.record(std::make_unique<ControlChangeAction>(designer_undo::control_style, dialog_,
                                                              control->unique_key(), before, after));
        changed = true;
    }
    history_.close_group();
    if (changed) modified();
    return changed;
}

bool DesignerEditing::align_caption(Handle handle) {
    constexpr std::uint32_t horizontal_mask = 0x0300;  // BS_LEFT | BS_RIGHT
    constexpr std::uint32_t vertical_mask = 0x0C00;    // BS_TOP | BS_BOTTOM
    Control* control = selection_.primary_control(dialog_);
    if (control == nullptr || control->kind() != ControlKind::button) return false;
    std::uint32_t style = control->style();
    switch (handle) {
        case Handle::top: style = (style & ~vertical_mask) | 0x0400; break;
        case Handle::bottom: style = (style & ~vertical_mask) | 0x0800; break;
        case Handle::left: style = (style & ~horizontal_mask) | 0x0100; break;
        case Handle::right: style = (style & ~horizontal_mask) | 0x0200; break;
        default: return false;
    }
    if (style == control->style()) return false;
    const ControlState before = state_of(*control);
    control->set_style(style, control->extended_style());
    history_.record(std::make_unique<ControlChangeAction>(designer_undo::property, dialog_, control->unique_key(),
                                                          before, state_of(*control)));
    modified();
    return true;
}

Status DesignerEditing::set_identifier(std::u16string_view text) {
    Control* control = selection_.primary_control(dialog_);
    if (control == nullptr || text == control->identifier()) return success();
    if (const auto refusal =
            identifier_refusal(classify_identifier(text), false, dialog_.workspace().strings())) {
        return Error{*refusal};
    }
    const std::u16string old_name = control->identifier();
    const std::int32_t old_value = control->identifier_value();
    const auto value = dialog_.set_control_identifier(control->unique_key(), text);
    if (!value) return Error{value.error()};
    Dialog& dialog = dialog_;
    const std::int32_t key = control->unique_key();
    const auto rename = [&dialog, key](const std::u16string& name, std::int32_t wanted) {
        if (dialog.set_control_identifier(key, name, wanted)) mark_modified(dialog);
    };
    history_.record(std::make_unique<CallbackAction>(
        std::u16string(designer_undo::property),
        [rename, name = std::u16string(text), new_value = *value] { rename(name, new_value); },
        [rename, old_name, old_value] { rename(old_name, old_value); }));
    modified();
    return success();
}

bool DesignerEditing::set_custom_class(std::u16string_view class_name) {
    Control* control = selection_.primary_control(dialog_);
    if (control == nullptr || control->kind() != ControlKind::custom || class_name.empty() ||
        class_name == control->window_class()) {
        return false;
    }
    const std::u16string before(control->window_class());
    Dialog& dialog = dialog_;
    const std::int32_t key = control->unique_key();
    const auto put = [&dialog, key](const std::u16string& name) {
        if (dialog.set_control_class(key, name)) mark_modified(dialog);
    };
    put(std::u16string(class_name));
    history_.record(std::make_unique<CallbackAction>(std::u16string(designer_undo::property),
                                                     [put, after = std::u16string(class_name)] { put(after); },
                                                     [put, before] { put(before); }));
    return true;
}

bool DesignerEditing::set_dialog_properties(const DialogProperties& properties) {
    const DialogProperties before = dialog_properties(dialog_);
    if (before == properties) return false;
    apply_dialog_properties(dialog_, properties);
    Dialog& dialog = dialog_;
    history_.record(std::make_unique<CallbackAction>(
        std::u16string(designer_undo::property), [&dialog, properties] { apply_dialog_properties(dialog, properties); },
        [&dialog, before] { apply_dialog_properties(dialog, before); }));
    return true;
}

}  // namespace tavorin
