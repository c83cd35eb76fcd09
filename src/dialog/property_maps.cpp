#include "dialog/property_maps.h"

#include <initializer_list>

namespace tavorin {

namespace {

using K = ControlKind;
using P = PropertyId;

// What every kind shows unless its row says the property is missing. The position rows belong
// to every control, the category headers to none.
constexpr P common[] = {P::client_edge, P::modal_frame, P::right_align_text, P::right_to_left_reading,
                        P::static_edge, P::transparent,  P::accept_files,     P::disabled,
                        P::visible,     P::group,        P::id,               P::tab_stop};
constexpr P position[] = {P::x, P::y, P::width, P::height};

// Slots are numbered in property order.
constexpr PropertyMap make_map(std::initializer_list<P> own, std::initializer_list<P> missing) {
    std::array<bool, designer_property_count> present{};
    for (P id : common) present[property_number(id)] = true;
    for (P id : missing) present[property_number(id)] = false;
    for (P id : position) present[property_number(id)] = true;
    for (P id : own) present[property_number(id)] = true;
    PropertyMap map{};
    std::uint8_t slot = 0;
    for (std::size_t i = 0; i < designer_property_count; ++i) map[i] = present[i] ? slot++ : no_property;
    return map;
}

constexpr std::array<PropertyMap, control_kind_count> maps = {{
    make_map({P::bitmap, P::caption, P::flat, P::horizontal_alignment, P::icon, P::button_multiline,
              P::button_notify, P::vertical_alignment, P::default_button, P::button_owner_draw, P::resizeable},
             {}),
    make_map({P::act_like_push_button, P::bitmap, P::caption, P::flat, P::horizontal_alignment, P::icon,
              P::left_text, P::button_multiline, P::button_notify, P::vertical_alignment, P::check_box_auto,
              P::tri_state},
             {}),
    make_map({P::align_text, P::auto_hscroll, P::auto_vscroll, P::border, P::horizontal_scroll,
              P::left_scroll_bar, P::edit_lowercase, P::number, P::edit_uppercase, P::vertical_scroll_bar,
              P::edit_multiline, P::no_hide_selection, P::edit_oem_convert, P::password, P::read_only,
              P::resizeable, P::want_return},
             {}),
    make_map({P::disable_no_scroll, P::left_scroll_bar, P::combo_lowercase, P::no_integral_height,
              P::combo_oem_convert, P::combo_type, P::combo_uppercase, P::vertical_scroll_bar, P::combo_auto,
              P::has_strings, P::list_owner_draw, P::sort},
             {}),
    make_map({P::border, P::disable_no_scroll, P::horizontal_scroll, P::left_scroll_bar, P::no_integral_height,
              P::no_redraw, P::list_box_notify, P::vertical_scroll_bar, P::has_strings, P::multicolumn, P::no_data,
              P::list_owner_draw, P::resizeable, P::selection, P::sort, P::use_tabstops, P::want_key_input},
             {}),
    make_map({P::bitmap, P::caption, P::flat, P::horizontal_alignment, P::icon, P::button_notify}, {}),
    make_map({P::act_like_push_button, P::bitmap, P::caption, P::flat, P::horizontal_alignment, P::icon,
              P::left_text, P::button_multiline, P::button_notify, P::vertical_alignment, P::radio_auto},
             {}),
    make_map({P::align_text, P::border, P::caption, P::center_image, P::no_prefix, P::dialog_frame,
              P::end_ellipsis, P::static_notify, P::no_wrap, P::path_ellipsis, P::simple, P::sunken,
              P::word_ellipsis},
             {}),
    make_map({P::border, P::center_image, P::colour, P::dialog_frame, P::picture_notify, P::real_size_image,
              P::real_size_control, P::right_justify, P::sunken, P::image, P::picture_type},
             {P::right_align_text, P::right_to_left_reading}),
    make_map({P::align_top_bottom, P::align_left_right, P::orientation},
             {P::client_edge, P::modal_frame, P::right_align_text, P::right_to_left_reading, P::static_edge,
              P::transparent, P::accept_files}),
    make_map({P::auto_ticks, P::border, P::enable_selection_range, P::orientation, P::point, P::tick_marks,
              P::slider_tooltips},
             {P::right_align_text, P::right_to_left_reading}),
    make_map({P::spin_alignment, P::arrow_keys, P::no_thousands, P::orientation, P::wrap, P::auto_buddy,
              P::hot_track, P::set_buddy_integer},
             {P::right_align_text, P::right_to_left_reading}),
    make_map({P::border, P::orientation, P::smooth}, {P::right_align_text, P::right_to_left_reading}),
    make_map({}, {}),
    make_map({P::list_view_alignment, P::list_view_show_selection_always, P::border, P::list_view_check_boxes,
              P::edit_labels, P::left_scroll_bar, P::no_column_header, P::no_label_wrap, P::no_scroll,
              P::no_sort_header, P::owner_data, P::list_view_owner_draw_fixed, P::share_image_lists,
              P::single_selection, P::view, P::auto_arrange, P::list_view_sort},
             {P::right_to_left_reading}),
    make_map({P::tree_view_show_selection_always, P::border, P::tree_view_check_boxes, P::disable_drag_drop,
              P::edit_labels, P::full_row_select, P::has_buttons, P::has_lines, P::info_tip, P::left_scroll_bar,
              P::lines_at_root, P::no_even_height, P::scroll, P::single_expand, P::tree_view_tooltips,
              P::track_select},
             {}),
    make_map({P::border, P::buttons, P::flat_buttons, P::focus, P::force_icon_left, P::force_label_left,
              P::tab_multiline, P::tab_owner_draw_fixed, P::scroll_opposite, P::tab_style, P::tab_tooltips,
              P::vertical, P::bottom, P::hot_track, P::tab_multiselect},
             {}),
    make_map({P::animation_transparent, P::auto_play, P::border, P::center},
             {P::right_align_text, P::right_to_left_reading}),
    make_map({P::align_text, P::auto_hscroll, P::auto_vscroll, P::border, P::disable_no_scroll,
              P::horizontal_scroll, P::left_scroll_bar, P::number, P::vertical_scroll_bar, P::edit_multiline,
              P::no_hide_selection, P::password, P::read_only, P::want_return},
             {}),
    make_map({P::allow_edit, P::format, P::left_scroll_bar, P::right_align, P::show_none, P::use_spin_control},
             {}),
    make_map({P::day_states, P::left_scroll_bar, P::month_multiselect, P::no_today, P::no_today_circle,
              P::week_numbers},
             {}),
    make_map({P::left_scroll_bar}, {}),
    make_map({P::rebar_alignment, P::band_borders, P::fixed_order, P::variable_height, P::vertical_gripper,
              P::auto_size},
             {}),
    make_map({P::caption, P::custom_extended_style, P::custom_style, P::class_name},
             {P::client_edge, P::modal_frame, P::right_align_text, P::right_to_left_reading, P::static_edge,
              P::transparent, P::accept_files, P::disabled, P::visible, P::group, P::tab_stop}),
}};

}  // namespace

const PropertyMap& property_map(ControlKind kind) { return maps.at(static_cast<std::size_t>(kind_number(kind) - 1)); }

}  // namespace tavorin
