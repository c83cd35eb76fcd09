#pragma once
// A DIALOG or DIALOGEX resource: the dialog's own properties and its controls. The order of the
// controls is their z-order, tab order, and the order of statements and template items. The
// operations below are the ones the designer's undo actions call; each finds its control by
// the unique key an action keeps.

#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/result.h"
#include "dialog/control.h"
#include "dialog/control_record.h"
#include "dialog/dialog_rect.h"
#include "dialog/dialog_units.h"
#include "model/resource.h"

namespace tavorin {

class Workspace;

inline constexpr std::u16string_view dialog_name_template = u"IDD_DIALOG";
inline constexpr std::size_t max_controls = 65535;

struct DialogFont {
    std::uint16_t point_size = 8;
    std::u16string face = u"Ms Shell Dlg";
    std::uint16_t weight = 400;
    std::uint8_t italic = 0;
    std::uint8_t character_set = 1;

    friend bool operator==(const DialogFont&, const DialogFont&) = default;
};

// The font of a dialog without FONT statement (and of a template without DS_SETFONT).
DialogFont font_without_statement();

class Dialog : public Resource {
public:
    Dialog(Workspace& workspace, bool extended);
    ~Dialog() override;

    bool extended() const { return extended_; }
    void set_extended(bool extended) { extended_ = extended; }

    std::uint32_t style() const { return style_; }
    std::uint32_t extended_style() const { return extended_style_; }
    void set_style(std::uint32_t style, std::uint32_t extended_style) {
        style_ = style;
        extended_style_ = extended_style;
    }

    // Dialog units; the template keeps 16 bits of each.
    DialogRect rect() const { return DialogRect{x_, y_, width_, height_}; }
    void set_rect(const DialogRect& rect);
    void set_x(std::int32_t x) { x_ = static_cast<std::int16_t>(x); }
    void set_y(std::int32_t y) { y_ = static_cast<std::int16_t>(y); }
    void grow(std::int32_t dx, std::int32_t dy);

    // Texts in the stored form (escapes as written).
    const std::u16string& caption() const { return caption_; }
    void set_caption(std::u16string caption) { caption_ = std::move(caption); }
    // The menu resource's name; empty for none.
    const std::u16string& menu() const { return menu_; }
    void set_menu(std::u16string menu) { menu_ = std::move(menu); }
    // Sets the menu to the project's menu resource of that name (compared without regard to
    // case), or to none when there is no such resource.
    void set_menu_from_project(std::u16string_view name);
    // The menu a typed Menu property names: empty for none, else the project's menu resource of
    // that name (compared without regard to case) as the project spells it; any other text is
    // refused with "MENU Statement in Dialog resources does not refer to a Menu Resource.".
    Result<std::u16string> project_menu_named(std::u16string_view typed) const;
    // The names of the project's menus, in project order: what the Menu property offers.
    std::vector<std::u16string> project_menu_names() const;
    // The window class; empty for none.
    const std::u16string& class_name() const { return class_name_; }
    void set_class_name(std::u16string name) { class_name_ = std::move(name); }
    const DialogFont& font() const { return font_; }
    // Also sets base units for the font as a 96-dpi screen would make it, until the designer
    // measures the real ones.
    void set_font(DialogFont font);

    // The pixels of a horizontal and a vertical dialog unit's base on the canvas; every
    // control's pixel rectangle follows them.
    const BaseUnits& base_units() const { return base_units_; }
    void set_base_units(const BaseUnits& units);

    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    // Creates a control from the record through the catalog and appends it. Null when the
    // record's kind has no control (a button type without a kind); an error when the dialog
    // already holds 65535 controls.
    Result<Control*> add_control(const ControlRecord& record);
    // Inserts at a position of the list (undo of a deletion); otherwise as add_control.
    Result<Control*> insert_control(std::size_t index, const ControlRecord& record);

    Control* find_control(std::int32_t key) const;
    std::optional<std::size_t> index_of(std::int32_t key) const;
    // Deletes the control and gives back its snapshot (for undo); none when no control has the key.
    std::optional<ControlRecord> delete_control(std::int32_t key);
    bool move_control_to(std::int32_t key, std::size_t index);
    bool set_control_style(std::int32_t key, std::uint32_t style, std::uint32_t extended_style);
    bool set_control_rect(std::int32_t key, const DialogRect& rect);
    bool move_control_by(std::int32_t key, std::int32_t dx, std::int32_t dy);
    bool set_control_class(std::int32_t key, std::u16string class_name);
    // Gives a control another identifier: this dialog's use of the old name ends and the new
    // name is registered (a symbol new to the table is created, with `wanted_value` when given).
    // A refused name leaves the control and the table as they were. Returns the new value.
    Result<std::int32_t> set_control_identifier(std::int32_t key, std::u16string_view name,
                                                std::optional<std::int32_t> wanted_value = std::nullopt);

    Workspace& workspace() const { return workspace_; }

    void write_script_text(TextWriter& out, const Workspace& workspace) const override;
    Status serialize(BinaryBuffer& out) const override;

private:
    void apply_identifier(Control& control, const ControlRecord& record);
    void apply_new_identifier(Control& control);
    void apply_size(Control& control, const ControlRecord& record);
    std::int32_t new_unique_key();
    void release_identifier(const Control& control);

    Workspace& workspace_;
    bool extended_ = false;
    std::uint32_t style_ = 0;
    std::uint32_t extended_style_ = 0;
    std::int16_t x_ = 0;
    std::int16_t y_ = 0;
    std::int16_t width_ = 0;
    std::int16_t height_ = 0;
    std::u16string caption_;
    std::u16string menu_;
    std::u16string class_name_;
    DialogFont font_;
    BaseUnits base_units_;
    std::vector<std::unique_ptr<Control>> controls_;
    // The controls by unique key: a new key is checked without a walk through all controls.
    std::unordered_map<std::int32_t, Control*> by_key_;
    std::minstd_rand keys_;
};

// A new dialog with the defaults of the "Add a resource" command (DIALOGEX when the `dialogEx`
// setting is on): 186 x 95, captioned "Dialog", with an OK and a Cancel button. Not named and
// not added to the project.
std::unique_ptr<Dialog> make_new_dialog(Workspace& workspace);

// A new dialog named from "IDD_DIALOG", added to the project.
Dialog& add_new_dialog(Workspace& workspace, bool open = false);

}  // namespace tavorin
