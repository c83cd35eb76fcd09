#include "dialog/control_traits.h"

#include <array>

namespace tavorin {

namespace {

using K = ControlKind;

constexpr std::array<ControlTraits, control_kind_count> traits = {{
    {K::button, u"Button", u"WC_BUTTON", 0x0080, 0x50010000, false, 6, 6, true},
    {K::check_box, u"Button", u"WC_BUTTON", 0x0080, 0x50010003, false, 8, 8, true},
    {K::edit, u"Edit", u"WC_EDIT", 0x0081, 0x50810080, true, 6, 12, false},
    {K::combo_box, u"ComboBox", u"WC_COMBOBOX", 0x0085, 0x50000202, true, 16, 12, false},
    {K::list_box, u"ListBox", u"WC_LISTBOX", 0x0083, 0x50A10103, true, 8, 9, false},
    {K::group_box, u"Button", u"WC_BUTTON", 0x0080, 0x50000007, false, 8, 9, false},
    {K::radio_button, u"Button", u"WC_BUTTON", 0x0080, 0x50000009, false, 8, 8, true},
    {K::static_text, u"Static", u"WC_STATIC", 0x0082, 0x50020000, false, 8, 1, true},
    {K::picture, u"Static", u"WC_STATIC", 0x0082, 0x50000007, false, 1, 1, false},
    {K::scroll_bar, u"ScrollBar", u"WC_SCROLLBAR", 0x0084, 0x50000001, false, 8, 8, false},
    {K::slider, u"msctls_trackbar32", u"TRACKBAR_CLASS", 0, 0x50010018, true, 6, 6, false},
    {K::spin, u"msctls_updown32", u"UPDOWN_CLASS", 0, 0x50000020, false, 6, 6, false},
    {K::progress, u"msctls_progress32", u"PROGRESS_CLASS", 0, 0x50000000, true, 6, 6, false},
    {K::hot_key, u"msctls_hotkey32", u"HOTKEY_CLASS", 0, 0x50010000, true, 6, 12, false},
    {K::list_view, u"SysListView32", u"WC_LISTVIEW", 0, 0x50810800, true, 6, 6, false},
    {K::tree_view, u"SysTreeView32", u"WC_TREEVIEW", 0, 0x50812800, true, 6, 6, false},
    {K::tab, u"SysTabControl32", u"WC_TABCONTROL", 0, 0x50000000, true, 6, 6, false},
    {K::animation, u"SysAnimate32", u"ANIMATE_CLASS", 0, 0x50800000, true, 6, 6, false},
    {K::rich_edit, u"RichEdit20W", u"RICHEDIT_CLASS", 0, 0x50810080, true, 6, 12, false},
    {K::date_time_picker, u"SysDateTimePick32", u"DATETIMEPICK_CLASS", 0, 0x50010020, true, 6, 6, false},
    {K::month_calendar, u"SysMonthCal32", u"MONTHCAL_CLASS", 0, 0x50010010, true, 6, 6, false},
    {K::ip_address, u"SysIPAddress32", u"WC_IPADDRESS", 0, 0x50010000, true, 6, 6, false},
    {K::rebar, u"ReBarWindow32", u"REBARCLASSNAME", 0, 0x50010000, true, 6, 12, false},
    {K::custom, u"", u"", 0, 0x50020000, false, 8, 8, false},
}};

constexpr std::u16string_view atom_classes[] = {u"Button", u"Edit", u"Static", u"ListBox", u"ScrollBar",
                                                u"ComboBox"};

}  // namespace

const ControlTraits& control_traits(ControlKind kind) {
    return traits.at(static_cast<std::size_t>(kind_number(kind) - 1));
}

std::u16string_view class_of_atom(std::uint16_t atom) {
    if (atom < 0x0080 || atom > 0x0085) return {};
    return atom_classes[atom - 0x0080];
}

}  // namespace tavorin
