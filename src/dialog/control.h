#pragma once
// One control of a dialog. The 24 kinds are classes on this base (control_classes.h); what
// they share lives here: identifier, caption, styles, rectangle in dialog units, the unique key
// that undo records find the control by, and the statement the script writer writes for it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/text_writer.h"
#include "dialog/control_catalog.h"
#include "dialog/control_kind.h"
#include "dialog/control_record.h"
#include "dialog/control_traits.h"
#include "dialog/designer_properties.h"
#include "dialog/dialog_rect.h"
#include "dialog/dialog_units.h"
#include "dialog/property_values.h"
#include "dialog/style_writer.h"

namespace tavorin {

// A short statement: its keyword and the style bits the keyword implies (which the style list
// leaves out).
struct ShortForm {
    std::u16string_view keyword;
    std::uint32_t implied_mask = 0;            // without a style list
    std::uint32_t implied_mask_with_list = 0;  // what a style list is added to
};

// Caption alignment of the button kinds: 0 none, 1 left/top, 2 right/bottom, 3 centre.
enum class CaptionAlignment : std::uint8_t { none = 0, start = 1, end = 2, centre = 3 };

class Control {
public:
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    virtual ControlKind kind() const = 0;
    const ControlTraits& traits() const { return control_traits(kind()); }

    const std::u16string& identifier() const { return identifier_; }
    std::int32_t identifier_value() const { return identifier_value_; }
    const std::u16string& text() const { return text_; }
    // The image (or caption) ordinal when the caption is a resource reference.
    const std::optional<std::uint16_t>& text_ordinal() const { return text_ordinal_; }
    bool caption_is_reference() const { return text_ordinal_.has_value(); }
    std::uint32_t style() const { return style_; }
    std::uint32_t extended_style() const { return extended_style_; }
    std::uint32_t help_id() const { return help_id_; }
    void set_help_id(std::uint32_t help_id) { help_id_ = help_id; }
    const std::vector<std::uint8_t>& creation_data() const { return creation_data_; }
    void set_creation_data(std::vector<std::uint8_t> data) { creation_data_ = std::move(data); }
    const DialogRect& rect() const { return rect_; }
    // The rectangle on the designer's canvas: the dialog-unit rectangle through the dialog's
    // base units, kept in step with both.
    const DialogRect& pixel_rect() const { return pixel_rect_; }
    std::int32_t unique_key() const { return unique_key_; }
    std::int32_t minimum_width() const { return traits().minimum_width; }
    std::int32_t minimum_height() const { return traits().minimum_height; }

    // Whether the kind shows its text (kinds without one write "" and store no caption).
    virtual bool has_caption() const { return false; }
    // The class as binary templates and windows know it; for a Custom Control the typed class.
    virtual std::u16string_view window_class() const { return traits().window_class; }
    // The class as CONTROL statements write it: a symbolic name, or a Custom Control's class
    // in double quotes.
    virtual std::u16string symbolic_class() const { return std::u16string(traits().symbolic_class); }
    std::uint16_t atom() const { return traits().atom; }
    // The class as the script or the template it came from spelled it, when that differs from
    // the kind's own: a predefined class named by text rather than by its atom, or a common
    // control's class in other letter case. Empty when the kind's class stands for it.
    const std::u16string& named_class() const { return named_class_; }

    // Button kinds: the caption's alignment, decoded from the style.
    virtual std::optional<CaptionAlignment> horizontal_alignment() const { return std::nullopt; }
    virtual std::optional<CaptionAlignment> vertical_alignment() const { return std::nullopt; }

    // The short statement the control is written with, or none for the CONTROL form.
    virtual std::optional<ShortForm> short_form() const { return std::nullopt; }

    // The script statement (without line break), by the catalog entry's force-CONTROL flag.
    void write_statement(TextWriter& out, const CatalogEntry& entry) const;
    // The style list after the rectangle of a short statement (", " prefix), or the style of a
    // CONTROL statement ("0" when empty).
    std::u16string style_list(bool control_statement, std::uint32_t implied_mask) const;

    // Whether a click without dragging sizes the control from its text.
    bool sizes_from_text() const { return traits().sizes_from_text; }

    ControlRecord snapshot() const;

    // The styles the preview window is created with: WS_BORDER drawn as a client edge.
    ControlStyles preview_styles() const;

    // Designer properties: only those of the kind's property map. Values of style properties
    // are decoded from the styles when asked for; setting one writes it into the styles. Position properties read and write the
    // rectangle, the image property the image ordinal; text properties have setters of their
    // own and no value here.
    bool has_property(PropertyId id) const;
    std::optional<std::int64_t> property_value(PropertyId id) const;
    // False, with nothing changed, when the kind lacks the property or the value cannot be
    // written.
    bool set_property_value(PropertyId id, std::int64_t value);

    // Changes made by the dialog's operations.
    void set_style(std::uint32_t style, std::uint32_t extended_style);
    void set_rect(const DialogRect& rect);
    void set_base_units(const BaseUnits& units);
    void set_text(std::u16string text) { text_ = std::move(text); }
    void set_text_ordinal(std::optional<std::uint16_t> ordinal) { text_ordinal_ = ordinal; }
    void set_identifier(std::u16string name, std::int32_t value) {
        identifier_ = std::move(name);
        identifier_value_ = value;
        identifier_as_read_.reset();
    }
    // The identifier the control was read with when the dialog had to give it another one (a
    // second control of the dialog with the same id): the name and value as read.
    const std::optional<std::pair<std::u16string, std::int32_t>>& identifier_as_read() const {
        return identifier_as_read_;
    }
    void set_identifier_as_read(std::u16string name, std::int32_t value) {
        identifier_as_read_.emplace(std::move(name), value);
    }
    void set_unique_key(std::int32_t key) { unique_key_ = key; }
    // Kept only when it names the kind's class (in any letter case) in another way than the
    // kind writes it.
    virtual void set_class_name(std::u16string name);

protected:
    Control() = default;

    // The NOT items a kind writes before its names ("NOT WS_TABSTOP" after a push button).
    virtual void write_negated_items(StyleWriter&, bool /*control_statement*/) const {}

private:
    void write_creation_data(TextWriter& out) const;

    std::u16string identifier_;
    std::int32_t identifier_value_ = 0;
    std::optional<std::pair<std::u16string, std::int32_t>> identifier_as_read_;
    std::u16string text_;
    std::optional<std::uint16_t> text_ordinal_;
    std::uint32_t style_ = 0;
    std::uint32_t extended_style_ = 0;
    std::uint32_t help_id_ = 0;
    std::vector<std::uint8_t> creation_data_;
    DialogRect rect_;
    DialogRect pixel_rect_;
    BaseUnits base_units_;
    std::int32_t unique_key_ = 0;
    std::u16string named_class_;
};

}  // namespace tavorin
