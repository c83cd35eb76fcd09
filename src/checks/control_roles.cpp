#include "checks/control_roles.h"

#include <algorithm>

#include "base/escapes.h"
#include "base/text.h"
#include "checks/text_features.h"
#include "dialog/control.h"
#include "dialog/dialog.h"
#include "dialog/window_styles.h"

namespace tavorin {

namespace {

constexpr std::uint32_t ss_noprefix = 0x80;
constexpr std::uint32_t ss_ellipsis_mask = 0xC000;
constexpr std::uint32_t bs_icon = 0x40;
constexpr std::uint32_t bs_bitmap = 0x80;
constexpr std::uint32_t bs_pushlike = 0x1000;
constexpr std::uint32_t cbs_type_mask = 0x3;
constexpr std::uint32_t cbs_simple = 0x1;
// The height a drop-down combo box's own field takes in a dialog, in dialog units.
constexpr int combo_field_height = 14;

std::uint32_t static_type(const Control& control) { return control.style() & ws::static_type_mask; }
std::uint32_t button_type(const Control& control) { return control.style() & ws::button_type_mask; }

bool static_is_frame(std::uint32_t type) { return (type >= 4 && type <= 9) || (type >= 0x10 && type <= 0x12); }

}  // namespace

TextLayout text_layout_of(const Control& control) {
    if (control.caption_is_reference() || control.text().empty()) return TextLayout::none;
    const std::uint32_t style = control.style();
    switch (control.kind()) {
        case ControlKind::static_text: {
            if ((style & ss_ellipsis_mask) != 0) return TextLayout::none;
            const std::uint32_t type = static_type(control);
            if (type <= 2) return TextLayout::word_wrap;
            if (type == 0xB || type == 0xC) return TextLayout::single_line;
            return TextLayout::none;
        }
        case ControlKind::button:
            if ((style & (bs_icon | bs_bitmap)) != 0 || button_type(control) > 1) return TextLayout::none;
            return (style & ws::bs_multiline) ? TextLayout::push_button_multiline : TextLayout::push_button;
        case ControlKind::check_box:
        case ControlKind::radio_button:
            if ((style & (bs_icon | bs_bitmap)) != 0) return TextLayout::none;
            if ((style & bs_pushlike) != 0) {
                return (style & ws::bs_multiline) ? TextLayout::push_button_multiline : TextLayout::push_button;
            }
            return (style & ws::bs_multiline) ? TextLayout::check_mark_multiline : TextLayout::check_mark;
        case ControlKind::group_box: return TextLayout::group_caption;
        default: return TextLayout::none;
    }
}

bool uses_prefix(const Control& control) {
    if (control.kind() == ControlKind::static_text) return (control.style() & ss_noprefix) == 0;
    return true;
}

bool is_visible(const Control& control) { return (control.style() & ws::visible) != 0; }

bool is_frame(const Control& control) {
    switch (control.kind()) {
        case ControlKind::group_box:
        case ControlKind::tab: return true;
        case ControlKind::static_text:
        case ControlKind::picture: return static_is_frame(static_type(control));
        default: return false;
    }
}

bool takes_focus(const Control& control) {
    switch (control.kind()) {
        case ControlKind::static_text:
        case ControlKind::picture:
        case ControlKind::group_box:
        case ControlKind::progress:
        case ControlKind::animation: return false;
        default: return true;
    }
}

std::u16string control_label(const Control& control) {
    const std::u16string& id = control.identifier_as_read() ? control.identifier_as_read()->first : control.identifier();
    const bool anonymous = id.empty() || id == u"-1" || id == u"IDC_STATIC" || id == u"65535";
    if (!anonymous) return id;
    const std::u16string text = control.caption_is_reference() ? std::u16string() : control.text();
    if (text.empty()) return id.empty() ? u"-1" : id;
    return (id.empty() ? std::u16string(u"-1") : id) + u" " + quoted_for_message(unescape_stored_text(text));
}

std::u16string control_anchor(const Control& control) {
    const std::u16string& id = control.identifier_as_read() ? control.identifier_as_read()->first : control.identifier();
    const bool anonymous = id.empty() || id == u"-1" || id == u"IDC_STATIC" || id == u"65535";
    // A number short enough to stand in a coordinate is no anchor.
    if (!anonymous && (!(id[0] >= u'0' && id[0] <= u'9') || id.size() >= 3)) return id;
    if (!control.caption_is_reference() && !control.text().empty()) return u"\"" + control.text() + u"\"";
    return {};
}

std::size_t anchor_occurrence(const Dialog& dialog, const Control& control) {
    const std::u16string anchor = control_anchor(control);
    std::size_t count = 0;
    for (const auto& other : dialog.controls()) {
        if (other.get() == &control) break;
        if (control_anchor(*other) == anchor) ++count;
    }
    return count;
}

bool is_anonymous(const Control& control) {
    const std::u16string& id = control.identifier_as_read() ? control.identifier_as_read()->first : control.identifier();
    return id.empty() || id == u"-1" || id == u"IDC_STATIC" || id == u"65535";
}

int layout_height(const Control& control) {
    const int height = control.rect().height;
    const bool combo = control.kind() == ControlKind::combo_box ||
                       (control.kind() == ControlKind::custom && equals_ignore_case(control.window_class(), u"ComboBoxEx32"));
    if (combo && (control.style() & cbs_type_mask) != cbs_simple) {
        return std::min(height, combo_field_height);
    }
    return height;
}

}  // namespace tavorin
