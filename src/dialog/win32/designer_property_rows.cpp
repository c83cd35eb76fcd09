#include "dialog/win32/dialog_designer.h"

// The property grid's rows for the dialog or the primary control, and what an edited row changes.

#include <optional>

#include "base/text.h"
#include "dialog/window_styles.h"
#include "model/workspace.h"
#include "services/string_ids.h"

namespace tavorin {

namespace {

PropertyRow text_row(std::u16string name, std::u16string value, std::uint32_t flags = property_flag::free_text) {
    PropertyRow row;
    row.name = std::move(name);
    row.value = std::move(value);
    row.flags = flags;
    return row;
}

std::u16string hex_text(std::uint32_t value) { return u"0x" + hexadecimal(value, 8); }

// A number typed as decimal or as 0x hexadecimal, perhaps negative, between blanks.
std::optional<std::int64_t> parse_number(std::u16string_view text) {
    while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == u' ') text.remove_suffix(1);
    const bool negative = !text.empty() && text.front() == u'-';
    if (negative) text.remove_prefix(1);
    const auto value = parse_typed_number(text);
    if (!value) return std::nullopt;
    const auto magnitude = static_cast<std::int64_t>(*value);
    return negative ? -magnitude : magnitude;
}

str::Id category_name(PropertyCategory category) {
    switch (category) {
        case PropertyCategory::appearance: return str::category_appearance;
        case PropertyCategory::behavior: return str::category_behavior;
        case PropertyCategory::misc: return str::category_misc;
        case PropertyCategory::position: return str::category_position;
    }
    return str::category_misc;
}

// The rows the dialog shows when no control is selected, in order.
enum DialogRow : std::size_t {
    dialog_appearance,
    dialog_caption,
    dialog_font,
    dialog_font_size,
    dialog_style,
    dialog_extended_style,
    dialog_misc,
    dialog_menu,
    dialog_class,
    dialog_position,
    dialog_x,
    dialog_y,
    dialog_width,
    dialog_height,
    dialog_row_count,
};

}  // namespace

std::vector<PropertyRow> DialogDesigner::properties() const {
    std::vector<PropertyRow> rows;
    const Control* primary = selection_.primary_control(dialog_);
    if (primary == nullptr) {
        const DialogRect rect = dialog_.rect();
        rows.resize(dialog_row_count);
        rows[dialog_appearance] = expanded_category(workspace_.text(str::category_appearance));
        rows[dialog_caption] = text_row(workspace_.text(str::dialog_caption_property), dialog_.caption());
        rows[dialog_font] = text_row(workspace_.text(str::dialog_font_property), dialog_.font().face);
        rows[dialog_font_size] = text_row(workspace_.text(str::dialog_font_size_property),
                                          decimal(dialog_.font().point_size), property_flag::number);
        rows[dialog_style] = text_row(workspace_.text(str::dialog_style_property), hex_text(dialog_.style()));
        rows[dialog_extended_style] =
            text_row(workspace_.text(str::dialog_extended_style_property), hex_text(dialog_.extended_style()));
        rows[dialog_misc] = expanded_category(workspace_.text(str::category_misc));
        // The project's menus to choose from, or one typed by name; the first choice is none.
        rows[dialog_menu] = text_row(workspace_.text(str::dialog_menu_property), dialog_.menu());
        PropertyRow& menu = rows[dialog_menu];
        menu.flags |= property_flag::fixed_choices;
        menu.choices.emplace_back();
        for (std::u16string& name : dialog_.project_menu_names()) {
            if (equals_ignore_case(name, dialog_.menu())) menu.choice = static_cast<int>(menu.choices.size());
            menu.choices.push_back(std::move(name));
        }
        if (dialog_.menu().empty()) menu.choice = 0;
        rows[dialog_class] = text_row(workspace_.text(str::dialog_class_property), dialog_.class_name());
        rows[dialog_position] = expanded_category(workspace_.text(str::category_position));
        rows[dialog_x] = text_row(workspace_.text(str::dialog_x_property), decimal(rect.x), property_flag::free_text);
        rows[dialog_y] = text_row(workspace_.text(str::dialog_y_property), decimal(rect.y), property_flag::free_text);
        rows[dialog_width] = text_row(workspace_.text(str::dialog_width_property), decimal(rect.width),
                                      property_flag::number);
        rows[dialog_height] = text_row(workspace_.text(str::dialog_height_property), decimal(rect.height),
                                       property_flag::number);
        return rows;
    }
    std::optional<PropertyCategory> category;
    for (std::size_t number = 0; number < designer_property_count; ++number) {
        const auto id = static_cast<PropertyId>(number);
        const PropertyDescriptor& descriptor = designer_property(id);
        if (descriptor.editor == PropertyEditor::category || !primary->has_property(id)) continue;
        if (category != descriptor.category) {
            category = descriptor.category;
            rows.push_back(expanded_category(workspace_.text(category_name(descriptor.category))));
        }
        PropertyRow row;
        row.name = std::u16string(descriptor.name);
        row.help = std::u16string(descriptor.help);
        const std::optional<std::int64_t> value = primary->property_value(id);
        switch (descriptor.editor) {
            case PropertyEditor::flag:
                row.flags = property_flag::fixed_choices;
                row.choices = {workspace_.text(str::false_text), workspace_.text(str::true_text)};
                row.choice = value.value_or(0) != 0 ? 1 : 0;
                row.value = row.choices[static_cast<std::size_t>(row.choice)];
                break;
            case PropertyEditor::choice: {
                const StyleBinding& binding = property_binding(primary->kind(), id);
                row.flags = property_flag::fixed_choices;
                for (const PropertyChoice& choice : binding.choices) row.choices.emplace_back(choice.label);
                if (const auto index = value ? choice_index(binding, *value) : std::nullopt) {
                    row.choice = static_cast<int>(*index);
                    row.value = row.choices[*index];
                }
                break;
            }
            case PropertyEditor::number:
            case PropertyEditor::image:
                row.flags = property_flag::free_text;
                row.value = value ? decimal(*value) : std::u16string();
                break;
            case PropertyEditor::text:
                row.flags = property_flag::free_text;
                if (id == PropertyId::caption) {
                    row.value = primary->text();
                } else if (id == PropertyId::id) {
                    row.value = primary->identifier();
                } else if (id == PropertyId::class_name) {
                    row.value = std::u16string(primary->window_class());
                    if (primary->kind() != ControlKind::custom) row.flags = property_flag::disabled;
                } else if (id == PropertyId::custom_style) {
                    row.value = hex_text(primary->style());
                } else if (id == PropertyId::custom_extended_style) {
                    row.value = hex_text(primary->extended_style());
                }
                break;
            case PropertyEditor::category: break;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void DialogDesigner::set_property(std::size_t index, const std::u16string& text, int choice) {
    const Control* primary = selection_.primary_control(dialog_);
    if (primary == nullptr) {
        DialogProperties properties = dialog_properties(dialog_);
        const auto number = parse_number(text);
        const auto invalid_style = [&] {
            workspace_.ask(workspace_.text(str::invalid_style), workspace_.text(str::error_caption), AskButtons::ok,
                           AskIcon::error);
        };
        switch (index) {
            case dialog_caption: properties.caption = text; break;
            case dialog_font: properties.font.face = text; break;
            case dialog_font_size:
                if (!number || *number < 1 || *number > 0xFFFF) return;
                properties.font.point_size = static_cast<std::uint16_t>(*number);
                break;
            case dialog_style:
                if (!number || *number < 0 || *number > 0xFFFFFFFF) return invalid_style();
                properties.style = static_cast<std::uint32_t>(*number);
                break;
            case dialog_extended_style:
                if (!number || *number < 0 || *number > 0xFFFFFFFF) return invalid_style();
                properties.extended_style = static_cast<std::uint32_t>(*number);
                break;
            case dialog_menu: {
                const std::vector<std::u16string> menus = dialog_.project_menu_names();
                if (choice > 0 && static_cast<std::size_t>(choice) <= menus.size()) {
                    properties.menu = menus[static_cast<std::size_t>(choice) - 1];
                } else if (choice == 0) {
                    properties.menu.clear();
                } else {
                    const auto menu = dialog_.project_menu_named(text);
                    if (!menu) {
                        workspace_.ask(menu.error(), workspace_.text(str::error_caption), AskButtons::ok,
                                       AskIcon::error);
                        site_.properties_changed();
                        return;
                    }
                    properties.menu = *menu;
                }
                break;
            }
            case dialog_class: properties.class_name = text; break;
            case dialog_x:
            case dialog_y:
            case dialog_width:
            case dialog_height: {
                if (!number || *number < -32768 || *number > 32767) return;
                const auto value = static_cast<std::int32_t>(*number);
                if (index == dialog_x) properties.rect.x = value;
                if (index == dialog_y) properties.rect.y = value;
                if (index == dialog_width) properties.rect.width = value;
                if (index == dialog_height) properties.rect.height = value;
                break;
            }
            default: return;
        }
        if (editing_.set_dialog_properties(properties)) {
            refresh_frame();
            changed();
        }
        return;
    }
    // The rows are the primary control's properties in table order, with a category row before
    // each category: find the property the row stands for.
    std::optional<PropertyId> id;
    std::size_t row = 0;
    std::optional<PropertyCategory> category;
    for (std::size_t number = 0; number < designer_property_count && !id; ++number) {
        const auto candidate = static_cast<PropertyId>(number);
        const PropertyDescriptor& descriptor = designer_property(candidate);
        if (descriptor.editor == PropertyEditor::category || !primary->has_property(candidate)) continue;
        if (category != descriptor.category) {
            category = descriptor.category;
            ++row;
        }
        if (row == index) id = candidate;
        ++row;
    }
    if (!id) return;
    const PropertyDescriptor& descriptor = designer_property(*id);
    bool done = false;
    switch (descriptor.editor) {
        case PropertyEditor::flag:
            if (choice >= 0) done = editing_.set_property(*id, choice != 0 ? 1 : 0);
            break;
        case PropertyEditor::choice: {
            const StyleBinding& binding = property_binding(primary->kind(), *id);
            if (choice >= 0 && static_cast<std::size_t>(choice) < binding.choices.size()) {
                done = editing_.set_property(*id, binding.choices[static_cast<std::size_t>(choice)].value);
            }
            break;
        }
        case PropertyEditor::number:
        case PropertyEditor::image:
            if (const auto number = parse_number(text)) done = editing_.set_property(*id, *number);
            break;
        case PropertyEditor::text:
            if (*id == PropertyId::caption) {
                done = editing_.set_caption(text, workspace_.platform());
            } else if (*id == PropertyId::id) {
                const std::u16string before = primary->identifier();
                if (const Status renamed = editing_.set_identifier(text); !renamed) {
                    refused(Error{renamed.error()});
                } else {
                    done = primary->identifier() != before;
                }
            } else if (*id == PropertyId::class_name) {
                done = editing_.set_custom_class(text);
            } else if (*id == PropertyId::custom_style || *id == PropertyId::custom_extended_style) {
                const auto number = parse_number(text);
                if (!number || *number < 0 || *number > 0xFFFFFFFF) {
                    workspace_.ask(workspace_.text(str::invalid_style), workspace_.text(str::error_caption),
                                   AskButtons::ok, AskIcon::error);
                    return;
                }
                const auto bits = static_cast<std::uint32_t>(*number);
                done = *id == PropertyId::custom_style ? editing_.set_custom_styles(bits, std::nullopt)
                                                       : editing_.set_custom_styles(std::nullopt, bits);
            }
            break;
        case PropertyEditor::category: break;
    }
    if (done) changed();
    else site_.properties_changed();
}

}  // namespace tavorin
