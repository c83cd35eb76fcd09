#pragma once
// The 24 kinds of control the dialog editor knows, numbered as the toolbox, the configuration
// file and the undo records number them.

#include <cstdint>

namespace tavorin {

enum class ControlKind : std::int8_t {
    // What kind deduction answers for a class and style it cannot place at all.
    undecided = -1,
    // A button type that no kind stands for (BS_USERBUTTON, BS_PUSHBOX, types 12 to 15): the
    // dialog keeps no control for it.
    none = 0,
    button = 1,
    check_box = 2,
    edit = 3,
    combo_box = 4,
    list_box = 5,
    group_box = 6,
    radio_button = 7,
    static_text = 8,
    picture = 9,
    scroll_bar = 10,
    slider = 11,
    spin = 12,
    progress = 13,
    hot_key = 14,
    list_view = 15,
    tree_view = 16,
    tab = 17,
    animation = 18,
    rich_edit = 19,
    date_time_picker = 20,
    month_calendar = 21,
    ip_address = 22,
    rebar = 23,
    custom = 24,
};

inline constexpr int control_kind_count = 24;

constexpr int kind_number(ControlKind kind) { return static_cast<int>(kind); }
constexpr bool is_catalog_kind(ControlKind kind) {
    return kind_number(kind) >= 1 && kind_number(kind) <= control_kind_count;
}
constexpr bool is_catalog_kind_number(int number) { return number >= 1 && number <= control_kind_count; }
// Only for numbers that is_catalog_kind_number accepts.
constexpr ControlKind control_kind_of(int number) { return static_cast<ControlKind>(number); }

// The four kinds that are a "Button" window and share its name tables.
constexpr bool is_button_kind(ControlKind kind) {
    return kind == ControlKind::button || kind == ControlKind::check_box || kind == ControlKind::group_box ||
           kind == ControlKind::radio_button;
}
constexpr bool is_static_kind(ControlKind kind) {
    return kind == ControlKind::static_text || kind == ControlKind::picture;
}

}  // namespace tavorin
