#pragma once
// The 24 control classes, one per kind, and the factory that makes an empty control of a kind.

#include <memory>
#include <string>

#include "dialog/control.h"

namespace tavorin {

class ButtonControl : public Control {
public:
    ControlKind kind() const override { return ControlKind::button; }
    bool has_caption() const override { return true; }
    std::optional<CaptionAlignment> horizontal_alignment() const override;
    std::optional<CaptionAlignment> vertical_alignment() const override;
    std::optional<ShortForm> short_form() const override;

protected:
    void write_negated_items(StyleWriter& out, bool control_statement) const override;
};

class CheckBoxControl : public ButtonControl {
public:
    ControlKind kind() const override { return ControlKind::check_box; }
    std::optional<ShortForm> short_form() const override;

protected:
    void write_negated_items(StyleWriter& out, bool control_statement) const override;
};

class EditControl : public Control {
public:
    ControlKind kind() const override { return ControlKind::edit; }
    std::optional<ShortForm> short_form() const override;

protected:
    void write_negated_items(StyleWriter& out, bool control_statement) const override;
};

class ComboBoxControl : public Control {
public:
    ControlKind kind() const override { return ControlKind::combo_box; }
    std::optional<ShortForm> short_form() const override;
};

class ListBoxControl : public Control {
public:
    ControlKind kind() const override { return ControlKind::list_box; }
    std::optional<ShortForm> short_form() const override;

protected:
    void write_negated_items(StyleWriter& out, bool control_statement) const override;
};

class GroupBoxControl : public Control {
public:
    ControlKind kind() const override { return ControlKind::group_box; }
    bool has_caption() const override { return true; }
    std::optional<CaptionAlignment> horizontal_alignment() const override;
    std::optional<ShortForm> short_form() const override;
};

class RadioButtonControl : public ButtonControl {
public:
    ControlKind kind() const override { return ControlKind::radio_button; }
    std::optional<ShortForm> short_form() const override;

protected:
    void write_negated_items(StyleWriter& out, bool control_statement) const override;
};

class StaticTextControl : public Control {
public:
    ControlKind kind() const override { return ControlKind::static_text; }
    // An SS_ICON static shows an image, not its text.
    bool has_caption() const override;
    std::optional<ShortForm> short_form() const override;

protected:
    void write_negated_items(StyleWriter& out, bool control_statement) const override;
};

class PictureControl : public Control {
public:
    ControlKind kind() const override { return ControlKind::picture; }
    bool has_caption() const override { return true; }
    std::optional<ShortForm> short_form() const override;
};

class ScrollBarControl : public Control {
public:
    ControlKind kind() const override { return ControlKind::scroll_bar; }
    std::optional<ShortForm> short_form() const override;
};

// The common controls are written as CONTROL statements with their symbolic class.
template <ControlKind K>
class CommonControl : public Control {
public:
    ControlKind kind() const override { return K; }
};

using SliderControl = CommonControl<ControlKind::slider>;
using SpinControl = CommonControl<ControlKind::spin>;
using ProgressControl = CommonControl<ControlKind::progress>;
using HotKeyControl = CommonControl<ControlKind::hot_key>;
using ListViewControl = CommonControl<ControlKind::list_view>;
using TreeViewControl = CommonControl<ControlKind::tree_view>;
using TabControl = CommonControl<ControlKind::tab>;
using AnimationControl = CommonControl<ControlKind::animation>;
using DateTimePickerControl = CommonControl<ControlKind::date_time_picker>;
using MonthCalendarControl = CommonControl<ControlKind::month_calendar>;
using IpAddressControl = CommonControl<ControlKind::ip_address>;
using RebarControl = CommonControl<ControlKind::rebar>;

class RichEditControl : public Control {
public:
    ControlKind kind() const override { return ControlKind::rich_edit; }

protected:
    void write_negated_items(StyleWriter& out, bool control_statement) const override;
};

class CustomControl : public Control {
public:
    ControlKind kind() const override { return ControlKind::custom; }
    bool has_caption() const override { return true; }
    std::u16string_view window_class() const override { return class_name_; }
    std::u16string symbolic_class() const override;
    void set_class_name(std::u16string name) override { class_name_ = std::move(name); }
    // What the Style and Extended Style properties show: "0x" and eight upper-case digits,
    // always those of the current styles.
    std::u16string style_text() const { return hex_style(style()); }
    std::u16string extended_style_text() const { return hex_style(extended_style()); }

private:
    std::u16string class_name_;
};

// An empty control of a catalog kind; null for any other kind.
std::unique_ptr<Control> make_control(ControlKind kind);

}  // namespace tavorin
