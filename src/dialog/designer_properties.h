#pragma once
// The designer's property table: every property the panel can show for a control, in the
// panel's order, with its category, its editor and the style bits behind it. A control shows
// only the properties of its kind's map (property_maps.h). Rows of the same name are variants
// for different kinds ("Notify" is BS_NOTIFY for buttons, LBS_NOTIFY for list boxes, ...), and a
// few rows stand for different bits in different kinds (property_binding).

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "dialog/control_kind.h"

namespace tavorin {

enum class PropertyCategory : std::uint8_t { appearance, behavior, misc, position };

enum class PropertyEditor : std::uint8_t {
    category,  // the header row of a category
    flag,      // yes or no
    choice,    // one of a list
    text,      // edited through its own setter (caption, identifier, class, custom styles)
    number,    // dialog units
    image,
};

enum class StyleField : std::uint8_t { none, style, extended_style };

// How a value follows from the bits. Most properties are plain bits; a check box's type
// number holds two yes/no properties, and a picture's static type a type and a colour.
enum class StyleCodec : std::uint8_t { bits, check_box_auto, check_box_tri_state, picture_type, picture_colour };

struct PropertyChoice {
    std::u16string_view label;
    // The masked bits the choice stands for (for the picture codecs, the choice's number). A
    // value may carry a bit outside the mask that choosing it also sets (the time format of a
    // date time picker sets DTS_UPDOWN).
    std::uint32_t value = 0;
};

// The bits one property reads and writes.
struct StyleBinding {
    StyleField field = StyleField::none;
    std::uint32_t mask = 0;
    // Flags: the masked value that reads as yes, and the one written for no. Most flags are one
    // bit (on = mask, off = 0); some are inverted (TBS_NOTICKS is "Tick Marks": on = 0) and some
    // are one value of a field (static type 11 is "Simple").
    std::uint32_t on = 0;
    std::uint32_t off = 0;
    std::span<const PropertyChoice> choices{};
    StyleCodec codec = StyleCodec::bits;
};

struct PropertyDescriptor {
    std::u16string_view name;
    PropertyCategory category = PropertyCategory::appearance;
    PropertyEditor editor = PropertyEditor::category;
    StyleBinding binding;
    std::u16string_view help;
};

inline constexpr std::size_t designer_property_count = 165;

// Property numbers, in table order. Variants of a name carry the kind they belong to.
enum class PropertyId : std::uint8_t {
    appearance,
    act_like_push_button, align_top_bottom, align_left_right, spin_alignment, list_view_alignment,
    rebar_alignment, align_text, allow_edit, list_view_show_selection_always, tree_view_show_selection_always,
    animation_transparent, arrow_keys, auto_hscroll, auto_play, auto_vscroll, auto_ticks, band_borders, bitmap,
    border, buttons, caption, center, center_image, list_view_check_boxes, tree_view_check_boxes, client_edge,
    colour, day_states, disable_drag_drop, disable_no_scroll, dialog_frame, no_prefix, edit_labels,
    enable_selection_range, end_ellipsis, custom_extended_style, fixed_order, flat, flat_buttons, focus,
    force_icon_left, force_label_left, format, full_row_select, has_buttons, has_lines, horizontal_alignment,
    horizontal_scroll, icon, info_tip, left_text, left_scroll_bar, lines_at_root, edit_lowercase,
    combo_lowercase, modal_frame, button_multiline, tab_multiline, month_multiselect, no_column_header,
    no_even_height, no_integral_height, no_label_wrap, no_redraw, no_scroll, no_sort_header, no_today,
    no_today_circle, no_thousands, button_notify, list_box_notify, static_notify, picture_notify, no_wrap,
    number, combo_oem_convert, orientation, owner_data, list_view_owner_draw_fixed, tab_owner_draw_fixed,
    path_ellipsis, point, real_size_image, real_size_control, right_align, right_align_text, right_justify,
    right_to_left_reading, scroll, scroll_opposite, share_image_lists, show_none, single_expand,
    single_selection, simple, smooth, static_edge, tab_style, custom_style, sunken, transparent, tick_marks,
    slider_tooltips, tree_view_tooltips, tab_tooltips, track_select, combo_type, edit_uppercase,
    combo_uppercase, use_spin_control, variable_height, vertical_alignment, vertical, vertical_gripper,
    vertical_scroll_bar, view, week_numbers, word_ellipsis, wrap,
    behavior,
    accept_files, check_box_auto, radio_auto, combo_auto, auto_arrange, auto_buddy, auto_size, bottom,
    default_button, disabled, has_strings, hot_track, multicolumn, edit_multiline, tab_multiselect, no_data,
    no_hide_selection, edit_oem_convert, list_owner_draw, button_owner_draw, password, read_only, resizeable,
    selection, set_buddy_integer, sort, list_view_sort, tri_state, use_tabstops, visible, want_key_input,
    want_return,
    misc,
    class_name, group, id, image, tab_stop, picture_type,
    position,
    x, y, width, height,
};

constexpr std::size_t property_number(PropertyId id) { return static_cast<std::size_t>(id); }

std::span<const PropertyDescriptor, designer_property_count> designer_properties();
const PropertyDescriptor& designer_property(PropertyId id);

// The bits the property stands for in a control of the kind: the descriptor's, except for the
// rows that several kinds share with different bits (the orientation of a scroll bar, a slider,
// a spin control and a progress bar; "Has Strings" of a combo box and a list box; ...).
const StyleBinding& property_binding(ControlKind kind, PropertyId id);

}  // namespace tavorin
