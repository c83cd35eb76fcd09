#include "dialog/control_classes.h"

#include "dialog/short_statements.h"
#include "dialog/window_styles.h"

namespace tavorin {

namespace {

ShortForm form_of(std::u16string_view keyword) {
    const ShortStatement& statement = short_statement(keyword);
    return ShortForm{statement.keyword, statement.implied_mask(), statement.implied_mask_with_list()};
}

std::uint32_t button_type(std::uint32_t style) { return style & ws::button_type_mask; }
std::uint32_t static_type(std::uint32_t style) { return style & ws::static_type_mask; }

void negate_if_clear(StyleWriter& out, std::uint32_t style, std::uint32_t bit, std::u16string_view name) {
    if ((style & bit) == 0) out.negated(name);
}

}  // namespace

std::optional<CaptionAlignment> ButtonControl::horizontal_alignment() const {
    return static_cast<CaptionAlignment>((style() >> 8) & 3);
}

std::optional<CaptionAlignment> ButtonControl::vertical_alignment() const {
    return static_cast<CaptionAlignment>((style() >> 10) & 3);
}

std::optional<ShortForm> ButtonControl::short_form() const {
    switch (button_type(style())) {
        case 1: return form_of(u"DEFPUSHBUTTON");
        case 11: return std::nullopt;  // owner-drawn
        default: return form_of(u"PUSHBUTTON");
    }
}

void ButtonControl::write_negated_items(StyleWriter& out, bool control_statement) const {
    if (control_statement) {
        if ((out.consumed() & ws::tab_stop) == 0) out.name_if_set(style(), ws::tab_stop, u"WS_TABSTOP");
    } else {
        negate_if_clear(out, style(), ws::tab_stop, u"WS_TABSTOP");
    }
}

// A check box of a type no keyword stands for is written as CONTROL, so that its type is kept.
std::optional<ShortForm> CheckBoxControl::short_form() const {
    switch (button_type(style())) {
        case 2: return form_of(u"CHECKBOX");
        case 3: return form_of(u"AUTOCHECKBOX");
        case 5: return form_of(u"STATE3");
        case 6: return form_of(u"AUTO3STATE");
        default: return std::nullopt;
    }
}

void CheckBoxControl::write_negated_items(StyleWriter& out, bool) const {
    negate_if_clear(out, style(), ws::tab_stop, u"WS_TABSTOP");
}

std::optional<ShortForm> EditControl::short_form() const { return form_of(u"EDITTEXT"); }

void EditControl::write_negated_items(StyleWriter& out, bool) const {
    negate_if_clear(out, style(), ws::border, u"WS_BORDER");
    negate_if_clear(out, style(), ws::tab_stop, u"WS_TABSTOP");
}

void RichEditControl::write_negated_items(StyleWriter& out, bool) const {
    negate_if_clear(out, style(), ws::border, u"WS_BORDER");
    negate_if_clear(out, style(), ws::tab_stop, u"WS_TABSTOP");
}

std::optional<ShortForm> ComboBoxControl::short_form() const { return form_of(u"COMBOBOX"); }

std::optional<ShortForm> ListBoxControl::short_form() const { return form_of(u"LISTBOX"); }

void ListBoxControl::write_negated_items(StyleWriter& out, bool) const {
    negate_if_clear(out, style(), 0x1, u"LBS_NOTIFY");
    negate_if_clear(out, style(), ws::border, u"WS_BORDER");
}

std::optional<CaptionAlignment> GroupBoxControl::horizontal_alignment() const {
    return static_cast<CaptionAlignment>((style() >> 8) & 3);
}

std::optional<ShortForm> GroupBoxControl::short_form() const {
    if (button_type(style()) == 7) return form_of(u"GROUPBOX");
    return std::nullopt;
}

std::optional<ShortForm> RadioButtonControl::short_form() const {
    switch (button_type(style())) {
        case 4: return form_of(u"RADIOBUTTON");
        case 9: return form_of(u"AUTORADIOBUTTON");
        default: return std::nullopt;
    }
}

// The keyword's default has WS_TABSTOP: a radio button without it must say so. (A style list
// starts from a base without it, where the item changes nothing.)
void RadioButtonControl::write_negated_items(StyleWriter& out, bool control_statement) const {
    if (!control_statement) negate_if_clear(out, style(), ws::tab_stop, u"WS_TABSTOP");
}

bool StaticTextControl::has_caption() const { return static_type(style()) != ws::ss_icon; }

std::optional<ShortForm> StaticTextControl::short_form() const {
    switch (static_type(style())) {
        case 0: return form_of(u"LTEXT");
        case 1: return form_of(u"CTEXT");
        case 2: return form_of(u"RTEXT");
        default: return std::nullopt;
    }
}

void StaticTextControl::write_negated_items(StyleWriter& out, bool) const {
    negate_if_clear(out, style(), ws::group, u"WS_GROUP");
}

std::optional<ShortForm> PictureControl::short_form() const {
    if (static_type(style()) == ws::ss_icon) return form_of(u"ICON");
    return std::nullopt;
}

std::optional<ShortForm> ScrollBarControl::short_form() const { return form_of(u"SCROLLBAR"); }

std::u16string CustomControl::symbolic_class() const {
    std::u16string quoted = u"\"";
    for (char16_t c : class_name_) {
        quoted.push_back(c);
        if (c == u'"') quoted.push_back(c);
    }
    quoted.push_back(u'"');
    return quoted;
}

std::unique_ptr<Control> make_control(ControlKind kind) {
    switch (kind) {
        case ControlKind::button: return std::make_unique<ButtonControl>();
        case ControlKind::check_box: return std::make_unique<CheckBoxControl>();
        case ControlKind::edit: return std::make_unique<EditControl>();
        case ControlKind::combo_box: return std::make_unique<ComboBoxControl>();
        case ControlKind::list_box: return std::make_unique<ListBoxControl>();
        case ControlKind::group_box: return std::make_unique<GroupBoxControl>();
        case ControlKind::radio_button: return std::make_unique<RadioButtonControl>();
        case ControlKind::static_text: return std::make_unique<StaticTextControl>();
        case ControlKind::picture: return std::make_unique<PictureControl>();
        case ControlKind::scroll_bar: return std::make_unique<ScrollBarControl>();
        case ControlKind::slider: return std::make_unique<SliderControl>();
        case ControlKind::spin: return std::make_unique<SpinControl>();
        case ControlKind::progress: return std::make_unique<ProgressControl>();
        case ControlKind::hot_key: return std::make_unique<HotKeyControl>();
        case ControlKind::list_view: return std::make_unique<ListViewControl>();
        case ControlKind::tree_view: return std::make_unique<TreeViewControl>();
        case ControlKind::tab: return std::make_unique<TabControl>();
        case ControlKind::animation: return std::make_unique<AnimationControl>();
        case ControlKind::rich_edit: return std::make_unique<RichEditControl>();
        case ControlKind::date_time_picker: return std::make_unique<DateTimePickerControl>();
        case ControlKind::month_calendar: return std::make_unique<MonthCalendarControl>();
        case ControlKind::ip_address: return std::make_unique<IpAddressControl>();
        case ControlKind::rebar: return std::make_unique<RebarControl>();
        case ControlKind::custom: return std::make_unique<CustomControl>();
        case ControlKind::undecided:
        case ControlKind::none: return nullptr;
    }
    return nullptr;
}

}  // namespace tavorin
