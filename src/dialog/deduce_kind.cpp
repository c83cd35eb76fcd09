#include "dialog/deduce_kind.h"

#include "base/text.h"

namespace tavorin {

namespace {

ControlKind static_kind(std::uint32_t type) {
    if ((type >= 3 && type <= 9) || (type >= 13 && type <= 18)) return ControlKind::picture;
    if (type == 10 || type >= 19) return ControlKind::undecided;
    return ControlKind::static_text;
}

ControlKind button_kind(std::uint32_t type) {
    switch (type) {
        case 0:
        case 1:
        case 11: return ControlKind::button;
        case 4:
        case 9: return ControlKind::radio_button;
        case 7: return ControlKind::group_box;
        case 2:
        case 3:
        case 5:
        case 6: return ControlKind::check_box;
        default: return ControlKind::none;
    }
}

struct ClassKind {
    std::u16string_view name;
    ControlKind kind;
};

constexpr ClassKind class_kinds[] = {
    {u"ListBox", ControlKind::list_box},
    {u"ComboBox", ControlKind::combo_box},
    {u"Edit", ControlKind::edit},
    {u"ScrollBar", ControlKind::scroll_bar},
    {u"msctls_trackbar32", ControlKind::slider},
    {u"msctls_updown32", ControlKind::spin},
    {u"msctls_progress32", ControlKind::progress},
    {u"msctls_hotkey32", ControlKind::hot_key},
    {u"SysListView32", ControlKind::list_view},
    {u"SysTreeView32", ControlKind::tree_view},
    {u"SysTabControl32", ControlKind::tab},
    {u"SysAnimate32", ControlKind::animation},
    {u"RichEdit20W", ControlKind::rich_edit},
    {u"RichEdit20A", ControlKind::rich_edit},
    {u"RICHEDIT", ControlKind::rich_edit},
    {u"SysDateTimePick32", ControlKind::date_time_picker},
    {u"SysMonthCal32", ControlKind::month_calendar},
    {u"SysIPAddress32", ControlKind::ip_address},
    {u"ReBarWindow32", ControlKind::rebar},
};

}  // namespace

ControlKind deduce_kind(std::u16string_view class_name, std::uint32_t style) {
    if (equals_ignore_case(class_name, u"Static")) return static_kind(style & 0x1F);
    if (equals_ignore_case(class_name, u"Button")) return button_kind(style & 0x0F);
    for (const ClassKind& known : class_kinds) {
        if (equals_ignore_case(class_name, known.name)) return known.kind;
    }
    return ControlKind::custom;
}

}  // namespace tavorin
