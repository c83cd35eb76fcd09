#include "dialog/style_tables.h"

#include <span>

#include "dialog/window_styles.h"

namespace tavorin {

namespace {

struct StyleName {
    std::uint32_t bits;
    std::u16string_view name;
};

void write_rows(StyleWriter& out, std::uint32_t style, std::span<const StyleName> rows) {
    for (const StyleName& row : rows) out.name_if_set(style, row.bits, row.name);
}

// A field of several bits whose values are named, e.g. the button type: the name of the value,
// even of 0; values without a name are left for the remainder.
void write_field(StyleWriter& out, std::uint32_t style, std::uint32_t mask, std::span<const StyleName> values) {
    const std::uint32_t value = style & mask;
    for (const StyleName& row : values) {
        if (row.bits == value) {
            out.name(value, row.name);
            return;
        }
    }
}

constexpr StyleName window_names[] = {
    {0x00020000, u"WS_GROUP"},        {0x10000000, u"WS_VISIBLE"},     {0x00010000, u"WS_TABSTOP"},
    {0x00100000, u"WS_HSCROLL"},      {0x00200000, u"WS_VSCROLL"},     {0x08000000, u"WS_DISABLED"},
    {0x00800000, u"WS_BORDER"},       {0x00040000, u"WS_SIZEBOX"},     {0x02000000, u"WS_CLIPCHILDREN"},
    {0x04000000, u"WS_CLIPSIBLINGS"},
};

constexpr StyleName code_window_names[] = {
    {0x10000000, u"WS_VISIBLE"},      {0x40000000, u"WS_CHILD"},       {0x00020000, u"WS_GROUP"},
    {0x00010000, u"WS_TABSTOP"},      {0x00100000, u"WS_HSCROLL"},     {0x00200000, u"WS_VSCROLL"},
    {0x08000000, u"WS_DISABLED"},     {0x00800000, u"WS_BORDER"},      {0x00040000, u"WS_SIZEBOX"},
    {0x02000000, u"WS_CLIPCHILDREN"}, {0x04000000, u"WS_CLIPSIBLINGS"}, {0x00400000, u"WS_DLGFRAME"},
};

constexpr StyleName button_types[] = {
    {0, u"BS_PUSHBUTTON"},   {1, u"BS_DEFPUSHBUTTON"}, {2, u"BS_CHECKBOX"},        {3, u"BS_AUTOCHECKBOX"},
    {4, u"BS_RADIOBUTTON"},  {5, u"BS_3STATE"},        {6, u"BS_AUTO3STATE"},      {7, u"BS_GROUPBOX"},
    {8, u"BS_USERBUTTON"},   {9, u"BS_AUTORADIOBUTTON"}, {10, u"BS_PUSHBOX"},      {11, u"BS_OWNERDRAW"},
};
constexpr StyleName button_looks[] = {
    {0x20, u"BS_LEFTTEXT"}, {0x40, u"BS_ICON"}, {0x80, u"BS_BITMAP"}, {0x1000, u"BS_PUSHLIKE"}};
constexpr StyleName button_horizontal[] = {{0x100, u"BS_LEFT"}, {0x200, u"BS_RIGHT"}, {0x300, u"BS_CENTER"}};
constexpr StyleName button_vertical[] = {{0x400, u"BS_TOP"}, {0x800, u"BS_BOTTOM"}, {0xC00, u"BS_VCENTER"}};
constexpr StyleName button_behaviour[] = {{0x2000, u"BS_MULTILINE"}, {0x4000, u"BS_NOTIFY"}, {0x8000, u"BS_FLAT"}};

constexpr StyleName edit_names[] = {
    {0x1, u"ES_CENTER"},       {0x2, u"ES_RIGHT"},       {0x80, u"ES_AUTOHSCROLL"}, {0x40, u"ES_AUTOVSCROLL"},
    {0x10, u"ES_LOWERCASE"},   {0x2000, u"ES_NUMBER"},   {0x8, u"ES_UPPERCASE"},    {0x4, u"ES_MULTILINE"},
    {0x100, u"ES_NOHIDESEL"},  {0x400, u"ES_OEMCONVERT"}, {0x20, u"ES_PASSWORD"},   {0x800, u"ES_READONLY"},
    {0x1000, u"ES_WANTRETURN"},
};

constexpr StyleName combo_types[] = {{1, u"CBS_SIMPLE"}, {2, u"CBS_DROPDOWN"}, {3, u"CBS_DROPDOWNLIST"}};
constexpr StyleName combo_names[] = {
    {0x40, u"CBS_AUTOHSCROLL"},       {0x200, u"CBS_HASSTRINGS"},      {0x10, u"CBS_OWNERDRAWFIXED"},
    {0x20, u"CBS_OWNERDRAWVARIABLE"}, {0x800, u"CBS_DISABLENOSCROLL"}, {0x100, u"CBS_SORT"},
};

constexpr StyleName list_box_names[] = {
    {0x1000, u"LBS_DISABLENOSCROLL"}, {0x100, u"LBS_NOINTEGRALHEIGHT"}, {0x4, u"LBS_NOREDRAW"},
    {0x40, u"LBS_HASSTRINGS"},        {0x200, u"LBS_MULTICOLUMN"},      {0x2000, u"LBS_NODATA"},
    {0x10, u"LBS_OWNERDRAWFIXED"},    {0x20, u"LBS_OWNERDRAWVARIABLE"}, {0x8, u"LBS_MULTIPLESEL"},
    {0x800, u"LBS_EXTENDEDSEL"},      {0x4000, u"LBS_NOSEL"},           {0x2, u"LBS_SORT"},
    {0x80, u"LBS_USETABSTOPS"},       {0x400, u"LBS_WANTKEYBOARDINPUT"}, {0x1, u"LBS_NOTIFY"},
};

constexpr StyleName static_types[] = {
    {0, u"SS_LEFT"},          {1, u"SS_CENTER"},        {2, u"SS_RIGHT"},       {3, u"SS_ICON"},
    {4, u"SS_BLACKRECT"},     {5, u"SS_GRAYRECT"},      {6, u"SS_WHITERECT"},   {7, u"SS_BLACKFRAME"},
    {8, u"SS_GRAYFRAME"},     {9, u"SS_WHITEFRAME"},    {10, u"SS_USERITEM"},   {11, u"SS_SIMPLE"},
    {12, u"SS_LEFTNOWORDWRAP"}, {13, u"SS_OWNERDRAW"},  {14, u"SS_BITMAP"},     {15, u"SS_ENHMETAFILE"},
    {16, u"SS_ETCHEDHORZ"},   {17, u"SS_ETCHEDVERT"},   {18, u"SS_ETCHEDFRAME"},
};
constexpr StyleName static_names[] = {
    {0x400, u"SS_RIGHTJUST"}, {0x200, u"SS_CENTERIMAGE"},     {0x80, u"SS_NOPREFIX"},     {0x100, u"SS_NOTIFY"},
    {0x1000, u"SS_SUNKEN"},   {0x40, u"SS_REALSIZECONTROL"}, {0x800, u"SS_REALSIZEIMAGE"}, {0x2000, u"SS_EDITCONTROL"},
};
constexpr StyleName static_ellipsis[] = {
    {0xC000, u"SS_WORDELLIPSIS"}, {0x4000, u"SS_ENDELLIPSIS"}, {0x8000, u"SS_PATHELLIPSIS"}};

constexpr StyleName scroll_bar_names[] = {
    {0x1, u"SBS_VERT"}, {0x2, u"SBS_LEFTALIGN"}, {0x10, u"SBS_SIZEGRIP"}, {0x4, u"SBS_BOTTOMALIGN"},
    {0x8, u"SBS_SIZEBOX"}};

constexpr StyleName slider_names[] = {
    {0x1, u"TBS_AUTOTICKS"},       {0x2, u"TBS_VERT"},         {0x4, u"TBS_TOP"},      {0x8, u"TBS_BOTH"},
    {0x10, u"TBS_NOTICKS"},        {0x100, u"TBS_TOOLTIPS"},   {0x20, u"TBS_ENABLESELRANGE"},
    {0x40, u"TBS_FIXEDLENGTH"},    {0x200, u"TBS_REVERSED"},   {0x400, u"TBS_DOWNISLEFT"},
};

constexpr StyleName spin_names[] = {
    {0x4, u"UDS_ALIGNRIGHT"}, {0x8, u"UDS_ALIGNLEFT"},  {0x20, u"UDS_ARROWKEYS"}, {0x80, u"UDS_NOTHOUSANDS"},
    {0x40, u"UDS_HORZ"},      {0x1, u"UDS_WRAP"},       {0x10, u"UDS_AUTOBUDDY"}, {0x100, u"UDS_HOTTRACK"},
    {0x2, u"UDS_SETBUDDYINT"},
};

constexpr StyleName progress_names[] = {{0x1, u"PBS_SMOOTH"}, {0x4, u"PBS_VERTICAL"}};

constexpr StyleName list_view_names[] = {
    {0x800, u"LVS_ALIGNLEFT"},      {0x8, u"LVS_SHOWSELALWAYS"},  {0x200, u"LVS_EDITLABELS"},
    {0x4000, u"LVS_NOCOLUMNHEADER"}, {0x80, u"LVS_NOLABELWRAP"},  {0x2000, u"LVS_NOSCROLL"},
    {0x8000, u"LVS_NOSORTHEADER"},  {0x1000, u"LVS_OWNERDATA"},   {0x400, u"LVS_OWNERDRAWFIXED"},
    {0x40, u"LVS_SHAREIMAGELISTS"}, {0x4, u"LVS_SINGLESEL"},
};
constexpr StyleName list_view_views[] = {
    {0, u"LVS_ICON"}, {1, u"LVS_REPORT"}, {2, u"LVS_SMALLICON"}, {3, u"LVS_LIST"}};
constexpr StyleName list_view_sorting[] = {
    {0x100, u"LVS_AUTOARRANGE"}, {0x10, u"LVS_SORTASCENDING"}, {0x20, u"LVS_SORTDESCENDING"}};

constexpr StyleName tree_view_names[] = {
    {0x1, u"TVS_HASBUTTONS"},     {0x2, u"TVS_HASLINES"},       {0x4, u"TVS_LINESATROOT"},
    {0x8, u"TVS_EDITLABELS"},     {0x10, u"TVS_DISABLEDRAGDROP"}, {0x20, u"TVS_SHOWSELALWAYS"},
    {0x40, u"TVS_RTLREADING"},    {0x80, u"TVS_NOTOOLTIPS"},    {0x100, u"TVS_CHECKBOXES"},
    {0x200, u"TVS_TRACKSELECT"},  {0x400, u"TVS_SINGLEEXPAND"}, {0x800, u"TVS_INFOTIP"},
    {0x1000, u"TVS_FULLROWSELECT"}, {0x2000, u"TVS_NOSCROLL"},  {0x4000, u"TVS_NONEVENHEIGHT"},
    {0x8000, u"TVS_NOHSCROLL"},
};

// TCS_BOTTOM and TCS_RIGHT share the value 2: both are written.
constexpr StyleName tab_names[] = {
    {0x1, u"TCS_SCROLLOPPOSITE"},  {0x2, u"TCS_BOTTOM"},          {0x2, u"TCS_RIGHT"},
    {0x4, u"TCS_MULTISELECT"},     {0x8, u"TCS_FLATBUTTONS"},     {0x10, u"TCS_FORCEICONLEFT"},
    {0x20, u"TCS_FORCELABELLEFT"}, {0x40, u"TCS_HOTTRACK"},       {0x80, u"TCS_VERTICAL"},
    {0x100, u"TCS_BUTTONS"},       {0x200, u"TCS_MULTILINE"},     {0x400, u"TCS_FIXEDWIDTH"},
    {0x800, u"TCS_RAGGEDRIGHT"},   {0x1000, u"TCS_FOCUSONBUTTONDOWN"}, {0x2000, u"TCS_OWNERDRAWFIXED"},
    {0x4000, u"TCS_TOOLTIPS"},     {0x8000, u"TCS_FOCUSNEVER"},
};

constexpr StyleName month_calendar_names[] = {
    {0x1, u"MCS_DAYSTATE"}, {0x2, u"MCS_MULTISELECT"}, {0x4, u"MCS_WEEKNUMBERS"}, {0x8, u"MCS_NOTODAYCIRCLE"},
    {0x10, u"MCS_NOTODAY"}};

constexpr StyleName date_time_names[] = {
    {0x1, u"DTS_UPDOWN"}, {0x2, u"DTS_SHOWNONE"}, {0x10, u"DTS_APPCANPARSE"}, {0x20, u"DTS_RIGHTALIGN"}};

constexpr StyleName animation_names[] = {
    {0x1, u"ACS_CENTER"}, {0x2, u"ACS_TRANSPARENT"}, {0x4, u"ACS_AUTOPLAY"}, {0x8, u"ACS_TIMER"}};

constexpr StyleName extended_names[] = {
    {0x80, u"WS_EX_TOOLWINDOW"},      {0x8, u"WS_EX_TOPMOST"},          {0x1, u"WS_EX_DLGMODALFRAME"},
    {0x4, u"WS_EX_NOPARENTNOTIFY"},   {0x10, u"WS_EX_ACCEPTFILES"},     {0x20, u"WS_EX_TRANSPARENT"},
    {0x1000, u"WS_EX_RIGHT"},         {0x2000, u"WS_EX_RTLREADING"},    {0x4000, u"WS_EX_LEFTSCROLLBAR"},
    {0x10000, u"WS_EX_CONTROLPARENT"}, {0x20000, u"WS_EX_STATICEDGE"},  {0x40000, u"WS_EX_APPWINDOW"},
    {0x80000, u"WS_EX_LAYERED"},      {0x100000, u"WS_EX_NOINHERITLAYOUT"}, {0x400000, u"WS_EX_LAYOUTRTL"},
    {0x2000000, u"WS_EX_COMPOSITED"}, {0x8000000, u"WS_EX_NOACTIVATE"},
};

constexpr StyleName dialog_ds_names[] = {
    {0x4, u"DS_3DLOOK"},       {0x1, u"DS_ABSALIGN"},      {0x800, u"DS_CENTER"},  {0x1000, u"DS_CENTERMOUSE"},
    {0x2000, u"DS_CONTEXTHELP"}, {0x400, u"DS_CONTROL"},   {0x20, u"DS_LOCALEDIT"}, {0x80, u"DS_MODALFRAME"},
    {0x10, u"DS_NOFAILCREATE"}, {0x100, u"DS_NOIDLEMSG"}, {0x200, u"DS_SETFOREGROUND"}, {0x2, u"DS_SYSMODAL"},
};

constexpr StyleName dialog_ws_names[] = {
    {0x10000000, u"WS_VISIBLE"},  {0x40000000, u"WS_CHILDWINDOW"}, {0x02000000, u"WS_CLIPCHILDREN"},
    {0x04000000, u"WS_CLIPSIBLINGS"}, {0x08000000, u"WS_DISABLED"}, {0x00020000, u"WS_GROUP"},
    {0x00100000, u"WS_HSCROLL"},  {0x20000000, u"WS_ICONIC"},      {0x01000000, u"WS_MAXIMIZE"},
};
constexpr StyleName dialog_ws_names_after_tab_stop[] = {
    // WS_ICONIC and WS_MINIMIZE are the same bit; both names are written.
    {0x20000000, u"WS_MINIMIZE"}, {0x80000000, u"WS_POPUP"}, {0x00040000, u"WS_THICKFRAME"},
    {0x00080000, u"WS_SYSMENU"},  {0x00200000, u"WS_VSCROLL"},
};

// Both bits of a pair give one name, else each bit its own.
void write_pair(StyleWriter& out, std::uint32_t style, std::uint32_t both, std::u16string_view both_name,
                StyleName first, StyleName second) {
    if ((style & both) == both) {
        out.name(both, both_name);
        return;
    }
    out.name_if_set(style, first.bits, first.name);
    out.name_if_set(style, second.bits, second.name);
}

void write_button_names(StyleWriter& out, ControlKind kind, std::uint32_t style, ClassNameOptions options) {
    if (options.control_statement) write_field(out, style, ws::button_type_mask, button_types);
    write_rows(out, style, button_looks);
    write_field(out, style & 0x300, 0x300, std::span(button_horizontal));
    // A group box has no vertical caption alignment: those bits go to the remainder.
    if (kind != ControlKind::group_box) write_field(out, style & 0xC00, 0xC00, std::span(button_vertical));
    write_rows(out, style, button_behaviour);
}

void write_static_names(StyleWriter& out, std::uint32_t style) {
    if ((out.consumed() & ws::dlg_frame) == 0) out.name_if_set(style, ws::dlg_frame, u"WS_DLGFRAME");
    write_field(out, style, ws::static_type_mask, static_types);
    write_rows(out, style, static_names);
    write_field(out, style & 0xC000, 0xC000, std::span(static_ellipsis));
}

void write_date_time_names(StyleWriter& out, std::uint32_t style) {
    if ((style & 0xC) == 0xC) {
        out.name(0xC, u"DTS_SHORTDATECENTURYFORMAT");
    } else if ((style & 0x9) == 0x9) {
        out.name(0x9, u"DTS_TIMEFORMAT");
    } else if ((style & 0x4) != 0) {
        out.name(0x4, u"DTS_LONGDATEFORMAT");
    }
    write_rows(out, style, date_time_names);
}

}  // namespace

void write_class_style_names(StyleWriter& out, ControlKind kind, std::uint32_t style, ClassNameOptions options) {
    switch (kind) {
        case ControlKind::button:
        case ControlKind::check_box:
        case ControlKind::group_box:
        case ControlKind::radio_button: write_button_names(out, kind, style, options); return;
        case ControlKind::edit:
        case ControlKind::rich_edit: write_rows(out, style, edit_names); return;
        case ControlKind::combo_box:
            write_field(out, style & 0x3, 0x3, std::span(combo_types));
            write_rows(out, style, combo_names);
            return;
        case ControlKind::list_box: write_rows(out, style, list_box_names); return;
        case ControlKind::static_text:
        case ControlKind::picture: write_static_names(out, style); return;
        case ControlKind::scroll_bar: write_rows(out, style, scroll_bar_names); return;
        case ControlKind::slider: write_rows(out, style, slider_names); return;
        case ControlKind::spin: write_rows(out, style, spin_names); return;
        case ControlKind::progress: write_rows(out, style, progress_names); return;
        case ControlKind::list_view:
            write_rows(out, style, list_view_names);
            write_field(out, style, 0x3, list_view_views);
            write_rows(out, style, list_view_sorting);
            return;
        case ControlKind::tree_view: write_rows(out, style, tree_view_names); return;
        case ControlKind::tab: write_rows(out, style, tab_names); return;
        case ControlKind::month_calendar: write_rows(out, style, month_calendar_names); return;
        case ControlKind::date_time_picker: write_date_time_names(out, style); return;
        case ControlKind::animation: write_rows(out, style, animation_names); return;
        case ControlKind::custom: out.name(0xFFFFFFFF, hex_style(style)); return;
        case ControlKind::hot_key:
        case ControlKind::ip_address:
        case ControlKind::rebar:
        case ControlKind::undecided:
        case ControlKind::none: return;
    }
}

void write_control_window_style_names(StyleWriter& out, std::uint32_t style) {
    write_rows(out, style, window_names);
}

void write_extended_style_names(StyleWriter& out, std::uint32_t extended_style) {
    write_pair(out, extended_style, 0x300, u"WS_EX_OVERLAPPEDWINDOW", {0x100, u"WS_EX_WINDOWEDGE"},
               {0x200, u"WS_EX_CLIENTEDGE"});
    write_rows(out, extended_style, extended_names);
}

std::u16string dialog_style_text(std::uint32_t style) {
    StyleWriter out;
    write_rows(out, style, dialog_ds_names);
    write_pair(out, style, ws::ds_shell_font, u"DS_SHELLFONT", {ws::ds_set_font, u"DS_SETFONT"},
               {ws::ds_fixed_sys, u"DS_FIXEDSYS"});
    write_pair(out, style, ws::caption, u"WS_CAPTION", {ws::border, u"WS_BORDER"}, {ws::dlg_frame, u"WS_DLGFRAME"});
    write_rows(out, style, dialog_ws_names);
    // The bit is WS_TABSTOP for a child and WS_MAXIMIZEBOX for a window with a caption; the
    // DS_ bits 0x27 decide which name the line carries.
    if ((style & ws::tab_stop) != 0) out.name(ws::tab_stop, (style & 0x27) != 0 ? u"WS_TABSTOP" : u"WS_MAXIMIZEBOX");
    write_rows(out, style, dialog_ws_names_after_tab_stop);
    out.zero_if_empty();
    return out.text();
}

std::u16string code_style_text(ControlKind kind, std::uint32_t style) {
    StyleWriter out;
    if (kind != ControlKind::custom) write_rows(out, style, code_window_names);
    write_class_style_names(out, kind, style, ClassNameOptions{true});
    out.remainder(style & ~out.consumed());
    out.zero_if_empty();
    return out.text();
}

}  // namespace tavorin
