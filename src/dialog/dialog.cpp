#include "dialog/dialog.h"

#include <algorithm>

#include "model/workspace.h"
#include "base/text.h"
#include "dialog/control_classes.h"
#include "dialog/control_size.h"
#include "dialog/dialog_template.h"
#include "dialog/window_styles.h"
#include "model/code_context.h"

namespace tavorin {

namespace {

bool is_numeric_name(std::u16string_view name) {
    return !name.empty() && ((name[0] >= u'0' && name[0] <= u'9') || name[0] == u'-');
}

std::u16string_view without_trailing_digits(std::u16string_view name) {
    while (!name.empty() && name.back() >= u'0' && name.back() <= u'9') name.remove_suffix(1);
    return name;
}

}  // namespace

DialogFont font_without_statement() { return DialogFont{8, u"Ms Sans Serif", 0, 0, 1}; }

namespace {

BaseUnits nominal_base_units(const DialogFont& font) {
    const ScreenFont screen = nominal_screen_font(FontSpec{font.face, font.point_size, font.weight, font.italic != 0});
    return BaseUnits{screen.base_width, screen.base_height};
}

}  // namespace

Dialog::Dialog(Workspace& workspace, bool extended)
    : Resource(kind::dialog), workspace_(workspace), extended_(extended), base_units_(nominal_base_units(font_)) {}

Dialog::~Dialog() {
    for (const auto& control : controls_) workspace_.symbols().release_control_id(control->identifier(), *this);
}

void Dialog::set_rect(const DialogRect& rect) {
    x_ = static_cast<std::int16_t>(rect.x);
    y_ = static_cast<std::int16_t>(rect.y);
    width_ = static_cast<std::int16_t>(rect.width);
    height_ = static_cast<std::int16_t>(rect.height);
}

void Dialog::set_font(DialogFont font) {
    font_ = std::move(font);
    set_base_units(nominal_base_units(font_));
}

void Dialog::set_base_units(const BaseUnits& units) {
    base_units_ = units;
    for (const auto& control : controls_) control->set_base_units(units);
}

void Dialog::grow(std::int32_t dx, std::int32_t dy) {
    width_ = static_cast<std::int16_t>(width_ + dx);
    height_ = static_cast<std::int16_t>(height_ + dy);
}

void Dialog::set_menu_from_project(std::u16string_view name) {
    for (Resource* menu : workspace_.project().resources_of_kind(kind::menu)) {
        if (equals_ignore_case(menu->name_text(), name)) {
            menu_ = menu->name_text();
            return;
        }
    }
    menu_.clear();
}

Result<std::u16string> Dialog::project_menu_named(std::u16string_view typed) const {
    // Blanks around a typed name are no part of it.
    while (!typed.empty() && typed.front() == u' ') typed.remove_prefix(1);
    while (!typed.empty() && typed.back() == u' ') typed.remove_suffix(1);
    if (typed.empty()) return std::u16string();
    for (const std::u16string& name : project_menu_names()) {
        if (equals_ignore_case(name, typed)) return name;
    }
    return Error{workspace_.text(str::dialog_menu_not_found)};
}

std::vector<std::u16string> Dialog::project_menu_names() const {
    std::vector<std::u16string> names;
    for (Resource* menu : workspace_.project().resources_of_kind(kind::menu)) names.push_back(menu->name_text());
    return names;
}

Result<Control*> Dialog::add_control(const ControlRecord& record) { return insert_control(controls_.size(), record); }

Result<Control*> Dialog::insert_control(std::size_t index, const ControlRecord& record) {
    if (!is_catalog_kind(record.kind)) return static_cast<Control*>(nullptr);
    if (controls_.size() >= max_controls) return Error{workspace_.text(str::too_many_controls)};

    std::unique_ptr<Control> control = make_control(record.kind);
    const ControlTraits& traits = control->traits();
    control->set_class_name(record.class_name);

    std::uint32_t style = record.style;
    std::uint32_t extended_style = record.extended_style;
    if (!record.identifier) {
        // Placed from the toolbox: the kind's default style. A button and a picture keep the
        // bits the record already has.
        const bool keeps_bits = record.kind == ControlKind::button || record.kind == ControlKind::picture;
        style = keeps_bits ? style | traits.new_style : traits.new_style;
        if (traits.no_parent_notify) extended_style = ws::ex_no_parent_notify;
    }
    control->set_base_units(base_units_);
    control->set_style(style, extended_style);
    control->set_unique_key(record.unique_key == -1 || find_control(record.unique_key) != nullptr ? new_unique_key()
                                                                                                 : record.unique_key);
    control->set_text_ordinal(record.text_ordinal);
    control->set_creation_data(record.creation_data);
    if (record.identifier) {
        apply_identifier(*control, record);
    } else {
        apply_new_identifier(*control);
    }
    apply_size(*control, record);

    Control* added = control.get();
    by_key_.emplace(added->unique_key(), added);
    controls_.insert(controls_.begin() + static_cast<std::ptrdiff_t>(std::min(index, controls_.size())),
                     std::move(control));
    return added;
}

void Dialog::apply_identifier(Control& control, const ControlRecord& record) {
    control.set_text(record.text);
    SymbolTable& symbols = workspace_.symbols();
    const std::u16string& name = *record.identifier;
    // A script's own header may give the static id a number of its own (999, 65535): the
    // controls keep the number they were read with.
    const auto own_value = [&](std::int32_t value) {
        return value == SymbolTable::static_value ? record.identifier_value : value;
    };
    // Refused only when another control of this dialog has the id.
    if (const auto value = symbols.register_control_id(name, *this, record.identifier_value)) {
        control.set_identifier(name, own_value(*value));
        return;
    }
    const std::int32_t shared_value = symbols.value_of(name);
    // A number names its value: renaming it would change the value, so the controls share it.
    if (shared_value == SymbolTable::static_value || is_numeric_name(name)) {
        control.set_identifier(name, own_value(shared_value));
        return;
    }
    const std::u16string base(without_trailing_digits(name));
    for (int n = 1;; ++n) {
        std::u16string candidate = base + decimal(n);
        if (const auto value = symbols.register_control_id(candidate, *this)) {
            control.set_identifier(std::move(candidate), *value);
            control.set_identifier_as_read(name, shared_value);
            return;
        }
    }
}

void Dialog::apply_new_identifier(Control& control) {
    const CatalogEntry& entry = workspace_.control_catalog().entry(control.kind());
    SymbolTable& symbols = workspace_.symbols();
    if (entry.default_identifier == u"IDC_STATIC") {
        control.set_identifier(u"IDC_STATIC", SymbolTable::static_value);
        if (control.has_caption()) control.set_text(entry.default_text);
        return;
    }
    for (int n = 1;; ++n) {
        std::u16string candidate = entry.default_identifier + decimal(n);
        const auto value = symbols.register_control_id(candidate, *this);
        if (!value) continue;
        control.set_identifier(std::move(candidate), *value);
        if (control.has_caption() && !entry.default_text.empty()) control.set_text(entry.default_text + decimal(n));
        return;
    }
}

void Dialog::apply_size(Control& control, const ControlRecord& record) {
    DialogRect rect{record.x, record.y, record.width, record.height};
    // Controls read from scripts and templates keep their rectangles as they are; only a control
    // placed from the toolbox is sized for the user.
    if (!record.identifier) {
        if (control.kind() == ControlKind::spin && record.width != -1) rect.width = 11;
        if (rect.width < control.minimum_width() && rect.height < control.minimum_height()) {
            const CatalogEntry& entry = workspace_.control_catalog().entry(control.kind());
            std::optional<TextExtent> natural;
            if (control.sizes_from_text()) {
                natural = natural_control_size(control, *this, workspace_.platform(), preview_frame(control));
            }
            rect.width = natural ? natural->width : entry.default_width;
            rect.height = natural ? natural->height : entry.default_height;
            // Centred on the click, but never out past the dialog's left or top edge: a click
            // near the edge gives a control that starts at it.
            rect.x = std::max(0, rect.x - rect.width / 2);
            rect.y = std::max(0, rect.y - rect.height / 2);
        }
        // A drag that began outside the client area starts at its edge too.
        rect.x = std::max(0, rect.x);
        rect.y = std::max(0, rect.y);
        rect.width = std::max(rect.width, control.minimum_width());
        rect.height = std::max(rect.height, control.minimum_height());
    }
    control.set_rect(rect);
}

std::int32_t Dialog::new_unique_key() {
    for (;;) {
        const auto key = static_cast<std::int32_t>(keys_() & 0x7FFFFFFF);
        if (key != -1 && find_control(key) == nullptr) return key;
    }
}

Control* Dialog::find_control(std::int32_t key) const {
    const auto found = by_key_.find(key);
    return found == by_key_.end() ? nullptr : found->second;
}

std::optional<std::size_t> Dialog::index_of(std::int32_t key) const {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (controls_[i]->unique_key() == key) return i;
    }
    return std::nullopt;
}

void Dialog::release_identifier(const Control& control) {
    // Controls of one dialog may share a number or IDC_STATIC: the dialog's use ends with the last.
    const bool still_used = std::any_of(controls_.begin(), controls_.end(), [&](const auto& other) {
        return other.get() != &control && other->identifier() == control.identifier();
    });
    if (!still_used) workspace_.symbols().release_control_id(control.identifier(), *this);
}

std::optional<ControlRecord> Dialog::delete_control(std::int32_t key) {
    const auto index = index_of(key);
    if (!index) return std::nullopt;
    ControlRecord record = controls_[*index]->snapshot();
    release_identifier(*controls_[*index]);
    by_key_.erase(key);
    controls_.erase(controls_.begin() + static_cast<std::ptrdiff_t>(*index));
    return record;
}

bool Dialog::move_control_to(std::int32_t key, std::size_t index) {
    const auto from = index_of(key);
    if (!from) return false;
    std::unique_ptr<Control> control = std::move(controls_[*from]);
    controls_.erase(controls_.begin() + static_cast<std::ptrdiff_t>(*from));
    controls_.insert(controls_.begin() + static_cast<std::ptrdiff_t>(std::min(index, controls_.size())),
                     std::move(control));
    return true;
}

bool Dialog::set_control_style(std::int32_t key, std::uint32_t style, std::uint32_t extended_style) {
    Control* control = find_control(key);
    if (control == nullptr) return false;
    control->set_style(style, extended_style);
    return true;
}

bool Dialog::set_control_rect(std::int32_t key, const DialogRect& rect) {
    Control* control = find_control(key);
    if (control == nullptr) return false;
    control->set_rect(rect);
    return true;
}

bool Dialog::move_control_by(std::int32_t key, std::int32_t dx, std::int32_t dy) {
    Control* control = find_control(key);
    if (control == nullptr) return false;
    DialogRect rect = control->rect();
    rect.x += dx;
    rect.y += dy;
    control->set_rect(rect);
    return true;
}

bool Dialog::set_control_class(std::int32_t key, std::u16string class_name) {
    Control* control = find_control(key);
    if (control == nullptr || control->kind() != ControlKind::custom) return false;
    control->set_class_name(std::move(class_name));
    return true;
}

Result<std::int32_t> Dialog::set_control_identifier(std::int32_t key, std::u16string_view name,
                                                    std::optional<std::int32_t> wanted_value) {
    Control* control = find_control(key);
    if (control == nullptr) return Error{};
    const std::u16string old_name = control->identifier();
    const std::int32_t old_value = control->identifier_value();
    if (name == old_name) return old_value;
    SymbolTable& symbols = workspace_.symbols();
    release_identifier(*control);
    auto value = symbols.register_control_id(name, *this, wanted_value);
    if (!value) {
        (void)symbols.register_control_id(old_name, *this, old_value);
        return value;
    }
    control->set_identifier(std::u16string(name), *value);
    return value;
}

Status Dialog::serialize(BinaryBuffer& out) const {
    encode_dialog_template(*this, out, TemplateContent{});
    return success();
}

std::unique_ptr<Dialog> make_new_dialog(Workspace& workspace) {
    auto dialog = std::make_unique<Dialog>(workspace, workspace.config().dialog_ex);
    dialog->set_font(DialogFont{});
    dialog->set_caption(u"Dialog");
    dialog->set_rect(DialogRect{0, 0, 186, 95});
    dialog->set_style(0x90C808CC, 0);
    (void)dialog->add_control(ControlRecord{ControlKind::button, u"OK", std::nullopt, u"IDOK", 1, 129, 7, 50, 14,
                                            0x50010001, 0, -1, {}, {}});
    (void)dialog->add_control(ControlRecord{ControlKind::button, u"Cancel", std::nullopt, u"IDCANCEL", 2, 129, 24,
                                            50, 14, 0x50010000, 0, -1, {}, {}});
    return dialog;
}

Dialog& add_new_dialog(Workspace& workspace, bool open) {
    Project& project = workspace.project();
    std::unique_ptr<Dialog> dialog = make_new_dialog(workspace);
    dialog->identity().name = project.new_resource_name(dialog_name_template, kind::dialog);
    return static_cast<Dialog&>(*project.add_resource(std::move(dialog), open));
}

}  // namespace tavorin
