// Layout checks of one dialog: overlapping controls, controls outside the client area, one
// mnemonic on two controls, radio groups that do not start or end a group, duplicate ids.

#include <algorithm>
#include <map>
#include <vector>

#include "base/escapes.h"
#include "base/text.h"
#include "checks/check_context.h"
#include "checks/control_roles.h"
#include "checks/text_features.h"
#include "dialog/dialog.h"
#include "dialog/window_styles.h"
#include "model/project.h"

namespace tavorin {

namespace {

struct Box {
    int left, top, right, bottom;
};

Box layout_box(const Control& control) {
    const DialogRect& r = control.rect();
    return Box{r.x, r.y, r.x + r.width, r.y + layout_height(control)};
}

bool has_area(const Box& box) { return box.right > box.left && box.bottom > box.top; }

void check_overlaps(CheckContext& context, const Dialog& dialog) {
    const auto& controls = dialog.controls();
    std::vector<std::pair<const Control*, Box>> placed;
    for (const auto& control : controls) {
        if (!is_visible(*control) || is_frame(*control)) continue;
        // An up-down control sits on its buddy by design.
        if (control->kind() == ControlKind::spin) continue;
        const Box box = layout_box(*control);
        if (has_area(box)) placed.emplace_back(control.get(), box);
    }
    for (std::size_t i = 0; i < placed.size(); ++i) {
        for (std::size_t j = i + 1; j < placed.size(); ++j) {
            const Box& a = placed[i].second;
            const Box& b = placed[j].second;
            const int width = std::min(a.right, b.right) - std::max(a.left, b.left);
            const int height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
            if (width <= 0 || height <= 0) continue;
            const Control& first = *placed[i].first;
            const Control& second = *placed[j].first;
            context.report("TV1001", dialog, control_label(second),
                           control_label(second) + u" overlaps " + control_label(first) + u" by " + decimal(width) +
                               u" x " + decimal(height) + u" dialog units",
                           control_anchor(second), anchor_occurrence(dialog, second));
        }
    }
}

void check_outside(CheckContext& context, const Dialog& dialog) {
    const DialogRect client = dialog.rect();
    for (const auto& control : dialog.controls()) {
        if (!is_visible(*control)) continue;
        const Box box = layout_box(*control);
        if (!has_area(box)) continue;
        if (box.left >= 0 && box.top >= 0 && box.right <= client.width && box.bottom <= client.height) continue;
        context.report("TV1002", dialog, control_label(*control),
                       control_label(*control) + u" (" + decimal(box.left) + u", " + decimal(box.top) + u", " +
                           decimal(box.right - box.left) + u" x " + decimal(box.bottom - box.top) +
                           u") lies outside the client area of " + decimal(client.width) + u" x " +
                           decimal(client.height) + u" dialog units",
                       control_anchor(*control), anchor_occurrence(dialog, *control));
    }
}

void check_mnemonics(CheckContext& context, const Dialog& dialog) {
    std::map<char16_t, std::vector<const Control*>> users;
    for (const auto& control : dialog.controls()) {
        if (!is_visible(*control) || !uses_prefix(*control) || control->caption_is_reference()) continue;
        if (text_layout_of(*control) == TextLayout::none) continue;
        if (auto key = mnemonic_of(unescape_stored_text(control->text()))) users[*key].push_back(control.get());
    }
    for (const auto& [key, controls] : users) {
        if (controls.size() < 2) continue;
        std::u16string names;
        for (const Control* control : controls) names += (names.empty() ? u"" : u", ") + control_label(*control);
        context.report("TV1003", dialog, control_label(*controls[1]),
                       u"the mnemonic Alt+" + std::u16string(1, key) + u" is used by " + decimal(controls.size()) +
                           u" controls: " + names,
                       control_anchor(*controls[1]), anchor_occurrence(dialog, *controls[1]));
    }
}

void check_radio_groups(CheckContext& context, const Dialog& dialog) {
    const auto& controls = dialog.controls();
    const auto is_radio = [&](std::size_t i) { return controls[i]->kind() == ControlKind::radio_button; };
    const auto starts_group = [&](std::size_t i) { return (controls[i]->style() & ws::group) != 0; };
    for (std::size_t start = 0; start < controls.size(); ++start) {
        if (!is_radio(start) || (start > 0 && is_radio(start - 1))) continue;
        std::size_t end = start;
        while (end < controls.size() && is_radio(end)) ++end;
        // The group the first button joins begins at the last WS_GROUP before it (or the first
        // control); a control in it that takes the focus makes the buttons part of its group.
        if (!starts_group(start)) {
            std::size_t first = start;
            while (first > 0 && !starts_group(first)) --first;
            for (std::size_t i = first; i < start; ++i) {
                if (is_radio(i) || !takes_focus(*controls[i]) || !is_visible(*controls[i])) continue;
                context.report("TV1004", dialog, control_label(*controls[start]),
                               u"the radio group starting at " + control_label(*controls[start]) +
                                   u" lacks WS_GROUP: it joins the group of " + control_label(*controls[i]),
                               control_anchor(*controls[start]), anchor_occurrence(dialog, *controls[start]));
                break;
            }
        }
        for (std::size_t i = end; i < controls.size(); ++i) {
            if (starts_group(i) || is_radio(i)) break;
            if (!takes_focus(*controls[i]) || !is_visible(*controls[i])) continue;
            context.report("TV1004", dialog, control_label(*controls[i]),
                           control_label(*controls[i]) + u" after the radio group ending at " +
                               control_label(*controls[end - 1]) + u" lacks WS_GROUP: it joins that group",
                           control_anchor(*controls[i]), anchor_occurrence(dialog, *controls[i]));
            break;
        }
        start = end - 1;
    }
}

void check_duplicate_ids(CheckContext& context, const Dialog& dialog) {
    std::map<std::int32_t, std::vector<const Control*>> by_id;
    for (const auto& control : dialog.controls()) {
        const auto& as_read = control->identifier_as_read();
        const std::int32_t id = as_read ? as_read->second : control->identifier_value();
        if (id == -1 || id == 0xFFFF) continue;
        by_id[id].push_back(control.get());
    }
    for (const auto& [id, controls] : by_id) {
        if (controls.size() < 2) continue;
        std::u16string names;
        for (const Control* control : controls) names += (names.empty() ? u"" : u", ") + control_label(*control);
        context.report("TV1005", dialog, control_label(*controls[1]),
                       u"the id " + decimal(id) + u" is used by " + decimal(controls.size()) + u" controls: " + names,
                       control_anchor(*controls[1]), anchor_occurrence(dialog, *controls[1]));
    }
}

}  // namespace

void check_dialogs(CheckContext& context) {
    for (const Resource* resource : context.project().resources_of_kind(kind::dialog)) {
        const auto* read = dynamic_cast<const Dialog*>(resource);
        if (read == nullptr) continue;
        const Dialog& dialog = *read;
        if (context.enabled("TV1001")) check_overlaps(context, dialog);
        if (context.enabled("TV1002")) check_outside(context, dialog);
        if (context.enabled("TV1003")) check_mnemonics(context, dialog);
        if (context.enabled("TV1004")) check_radio_groups(context, dialog);
        if (context.enabled("TV1005")) check_duplicate_ids(context, dialog);
    }
}

}  // namespace tavorin
