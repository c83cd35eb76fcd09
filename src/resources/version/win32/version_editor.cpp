#include "resources/version/win32/version_editor.h"

#include <algorithm>
#include <array>

#include "base/text.h"
#include "model/workspace.h"
#include "resources/version/version_names.h"

namespace tavorin {

namespace {

using Kind = VersionEditor::RowTarget::Kind;

// The help of each standard key, in the order of the standard keys.
constexpr std::array<str::Id, 12> key_helps{
    str::comments_help,         str::company_name_help,      str::file_description_help,
    str::file_version_text_help, str::internal_name_help,    str::legal_copyright_help,
    str::legal_trademarks_help, str::original_filename_help, str::private_build_help,
    str::product_name_help,     str::product_version_text_help, str::special_build_help,
};

std::u16string flags_text(std::uint32_t value) { return u"0x" + hexadecimal(value, 8); }

// "0x" and hexadecimal digits, or decimal digits; nothing for anything else or more than 32 bits.
std::optional<std::uint32_t> parse_flags(std::u16string_view text) {
    while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == u' ') text.remove_suffix(1);
    const auto value = parse_typed_number(text);
    if (!value || *value > 0xFFFFFFFFu) return std::nullopt;
    return static_cast<std::uint32_t>(*value);
}

PropertyRow choice_row(std::u16string name, std::u16string help, std::span<const VersionName> names,
                       std::uint32_t value) {
    PropertyRow row;
    row.name = std::move(name);
    row.help = std::move(help);
    row.flags = property_flag::fixed_choices;
    // A value without an entry shows the list's first entry; the number itself is kept.
    row.choice = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        row.choices.emplace_back(names[i].name);
        if (names[i].value == value) row.choice = static_cast<int>(i);
    }
    row.value = row.choices[static_cast<std::size_t>(row.choice)];
    return row;
}

PropertyRow text_row(std::u16string name, std::u16string help, std::u16string value) {
    PropertyRow row;
    row.name = std::move(name);
    row.help = std::move(help);
    row.flags = property_flag::free_text;
    row.value = std::move(value);
    return row;
}

PropertyRow link_row(std::u16string name) {
    PropertyRow row;
    row.name = std::move(name);
    row.flags = property_flag::link;
    return row;
}

}  // namespace

VersionEditor::VersionEditor(VersionInfo& version, Workspace& workspace, EditorSite& site, BlockChooser chooser)
    : version_(version),
      workspace_(workspace),
      site_(site),
      // The undo of a change reaches the list through the site, which outlives the editor.
      editing_(version, workspace, &site.history(version), [&site, &version] { site.content_changed(version, 0); }),
      chooser_(std::move(chooser)) {}

std::unique_ptr<VersionEditor> VersionEditor::create(VersionInfo& version, Workspace& workspace, EditorSite& site,
                                                     HWND area, HINSTANCE instance, HFONT font, BlockChooser chooser) {
    std::unique_ptr<VersionEditor> editor(new VersionEditor(version, workspace, site, std::move(chooser)));
    if (!editor->grid_.create(area, instance, font, {})) return nullptr;
    ShowWindow(editor->grid_.handle(), SW_HIDE);  // the tabs show it
    VersionEditor* self = editor.get();
    editor->grid_.callbacks.text_committed = [self](std::size_t row, const std::u16string& text) {
        self->on_text(row, text);
    };
    editor->grid_.callbacks.choice_picked = [self](std::size_t row, int choice, const std::u16string&) {
        self->on_choice(row, choice);
    };
    editor->grid_.callbacks.button_pressed = [self](std::size_t row) { self->on_button(row); };
    editor->fill();
    return editor;
}

std::optional<std::size_t> VersionEditor::row_of(RowTarget::Kind kind, std::size_t block, std::u16string_view key) const {
    for (std::size_t row = 0; row < targets_.size(); ++row) {
        const RowTarget& target = targets_[row];
        if (target.kind != kind) continue;
        const bool in_block = kind == Kind::value || kind == Kind::add_value || kind == Kind::remove_block;
        if (in_block && target.block != block) continue;
        if (kind == Kind::value && target.key != key) continue;
        return row;
    }
    return std::nullopt;
}

void VersionEditor::fill() {
    const FixedVersionInfo& fixed = version_.fixed();
    const auto text = [this](str::Id id) { return workspace_.text(id); };
    std::vector<PropertyRow> rows;
    targets_.clear();
    const auto add = [&](PropertyRow row, RowTarget target) {
        rows.push_back(std::move(row));
        targets_.push_back(std::move(target));
    };
    add(expanded_category(text(str::category_general_information)), {});
    add(text_row(text(str::property_file_version), text(str::file_version_help), version_text(fixed.file_version)),
        {Kind::file_version, 0, {}});
    add(text_row(text(str::property_product_version), text(str::product_version_help),
                 version_text(fixed.product_version)),
        {Kind::product_version, 0, {}});
    add(choice_row(text(str::property_operating_system), text(str::operating_system_help), file_os_names(),
                   fixed.file_os),
        {Kind::file_os, 0, {}});
    add(text_row(text(str::property_file_flags_mask), text(str::file_flags_mask_help), flags_text(fixed.file_flags_mask)),
        {Kind::file_flags_mask, 0, {}});
    // "File Flags" is one of the texts that are never translated.
    add(text_row(workspace_.strings().text(UiStrings::untranslated_first + 17), text(str::file_flags_help),
                 flags_text(fixed.file_flags)),
        {Kind::file_flags, 0, {}});
    add(choice_row(text(str::property_file_type), text(str::file_type_help), file_type_names(), fixed.file_type),
        {Kind::file_type, 0, {}});
    add(choice_row(text(str::property_file_subtype), text(str::file_subtype_help),
                   file_subtype_names(fixed.file_type), fixed.file_subtype),
        {Kind::file_subtype, 0, {}});
    add(link_row(text(str::add_version_block)), {Kind::add_block, 0, {}});

    const std::vector<VersionStringBlock>& blocks = version_.blocks();
    for (std::size_t index = 0; index < blocks.size(); ++index) {
        const VersionStringBlock& block = blocks[index];
        add(expanded_category(version_block_title(block, workspace_.languages().label_of(block.language))),
            {Kind::category, index, {}});
        for (const VersionString& string : block.strings) {
            const auto standard = std::find(standard_version_keys.begin(), standard_version_keys.end(), string.key);
            const str::Id help = standard != standard_version_keys.end()
                                     ? key_helps[static_cast<std::size_t>(standard - standard_version_keys.begin())]
                                     : str::custom_value_help;
            add(text_row(string.key, text(help), string.value.value_or(u"")), {Kind::value, index, string.key});
        }
        add(text_row(text(str::add_version_value), text(str::add_version_value_help), {}), {Kind::add_value, index, {}});
        add(link_row(text(str::remove_version_block)), {Kind::remove_block, index, {}});
    }
    grid_.set_rows(std::move(rows));
}

void VersionEditor::reload(std::size_t) {
    grid_.cancel_edit();
    fill();
}

void VersionEditor::changed() {
    fill();
    site_.content_changed(version_, 0);
    site_.editor_state_changed();
}

void VersionEditor::on_text(std::size_t row, const std::u16string& text) {
    if (row >= targets_.size()) return;
    const RowTarget target = targets_[row];
    switch (target.kind) {
        case Kind::file_version: (void)editing_.set_file_version(text); break;
        case Kind::product_version: (void)editing_.set_product_version(text); break;
        case Kind::file_flags_mask:
        case Kind::file_flags:
            if (const auto value = parse_flags(text)) {
                if (target.kind == Kind::file_flags) {
                    editing_.set_file_flags(*value);
                } else {
                    editing_.set_file_flags_mask(*value);
                }
            } else {
                MessageBeep(MB_ICONWARNING);
            }
            break;
        case Kind::value: editing_.set_string(target.block, target.key, text); break;
        case Kind::add_value: (void)editing_.add_key(target.block, text); break;
        default: return;
    }
    changed();
}

void VersionEditor::on_choice(std::size_t row, int choice) {
    if (row >= targets_.size() || choice < 0) return;
    const auto index = static_cast<std::size_t>(choice);
    const auto pick = [index](std::span<const VersionName> names) -> std::optional<std::uint32_t> {
        if (index >= names.size()) return std::nullopt;
        return names[index].value;
    };
    switch (targets_[row].kind) {
        case Kind::file_os:
            if (const auto value = pick(file_os_names())) editing_.set_file_os(*value);
            break;
        case Kind::file_type:
            if (const auto value = pick(file_type_names())) editing_.set_file_type(*value);
            break;
        case Kind::file_subtype:
            if (const auto value = pick(file_subtype_names(version_.fixed().file_type))) editing_.set_file_subtype(*value);
            break;
        default: return;
    }
    changed();
}

void VersionEditor::on_button(std::size_t row) {
    if (row >= targets_.size()) return;
    const RowTarget target = targets_[row];
    if (target.kind == Kind::add_block) {
        const auto choice = chooser_ ? chooser_() : std::nullopt;
        if (!choice || !editing_.add_block(choice->language, choice->code_page)) return;
    } else if (target.kind == Kind::remove_block) {
        if (!editing_.remove_block(target.block)) return;
    } else {
        return;
    }
    changed();
}

}  // namespace tavorin
