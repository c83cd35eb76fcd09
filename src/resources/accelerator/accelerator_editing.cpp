#include "resources/accelerator/accelerator_editing.h"

#include <algorithm>
#include <functional>

#include "model/workspace.h"
#include "base/text.h"
#include "model/identifier_validation.h"
#include "resources/list_rows.h"
#include "resources/accelerator/accelerator_clipboard.h"
#include "resources/stringtable/item_naming.h"

namespace tavorin {

namespace {

// A whole decimal (or 0x hexadecimal) number that fits a key code.
std::optional<std::uint16_t> key_number(std::u16string_view text) {
    if (text.empty() || text[0] < u'0' || text[0] > u'9') return std::nullopt;
    const bool hex = text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X');
    std::uint32_t value = 0;
    for (std::size_t i = hex ? 2 : 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        int digit = -1;
        if (c >= u'0' && c <= u'9') digit = c - u'0';
        if (hex && c >= u'a' && c <= u'f') digit = c - u'a' + 10;
        if (hex && c >= u'A' && c <= u'F') digit = c - u'A' + 10;
        if (digit < 0) return std::nullopt;
        value = value * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
        if (value > 0xFFFF) return std::nullopt;
    }
    return static_cast<std::uint16_t>(value);
}

}  // namespace

std::u16string modifier_text(const AcceleratorEntry& entry) {
    std::u16string text;
    const auto add = [&text](std::u16string_view word) {
        if (!text.empty()) text += u" + ";
        text += word;
    };
    if (entry.alt) add(u"Alt");
    if (entry.control) add(u"Ctrl");
    if (entry.shift) add(u"Shift");
    return text;
}

std::u16string modifier_choice_text(std::size_t choice) {
    AcceleratorEntry entry;
    entry.alt = (choice & 1) != 0;
    entry.control = (choice & 2) != 0;
    entry.shift = (choice & 4) != 0;
    return modifier_text(entry);
}

std::size_t modifier_choice_of(const AcceleratorEntry& entry) {
    return (entry.alt ? 1u : 0u) | (entry.control ? 2u : 0u) | (entry.shift ? 4u : 0u);
}

std::u16string_view type_text(const AcceleratorEntry& entry) {
    return entry.key.is_virtual() ? u"Virtual Key" : u"ASCII";
}

void AcceleratorEditing::modified() { workspace_.project().set_modified(table_, true); }

void AcceleratorEditing::replace(std::size_t row, AcceleratorEntry changed, std::u16string_view label) {
    const AcceleratorEntry before = table_.entry(row);
    if (changed == before) return;
    const std::int32_t value_before = table_.value_of(before);
    table_.replace_entry(row, changed);
    const std::int32_t value_after = table_.value_of(table_.entry(row));
    modified();

    AcceleratorTable& table = table_;
    Workspace& workspace = workspace_;
    history_.record(std::make_unique<CallbackAction>(
        std::u16string(label),
        [&table, &workspace, row, changed, value_after] {
            table.replace_entry(row, changed, value_after);
            workspace.project().set_modified(table, true);
        },
        [&table, &workspace, row, before, value_before] {
            table.replace_entry(row, before, value_before);
            workspace.project().set_modified(table, true);
        }));
}

std::size_t AcceleratorEditing::add_new() {
    const std::size_t row = table_.size();
    history_.open_group(std::u16string(accelerator_undo::insert));
    table_.add_ascii_entry(std::nullopt, false, false, false, u'a');
    const AcceleratorEntry entry = table_.entry(row);
    const std::int32_t value = table_.value_of(entry);
    history_.record(row_change_action(u"", RowChange::inserted, table_, workspace_.project(), row, entry, value));
    history_.close_group();
    modified();
    return row;
}

bool AcceleratorEditing::delete_rows(std::span<const std::size_t> rows) {
    const std::vector<std::size_t> ordered = rows_for_deletion(rows, table_.size());
    if (ordered.empty()) {
        workspace_.platform().beep();
        return false;
    }

    history_.open_group(std::u16string(accelerator_undo::delete_rows));
    for (std::size_t row : ordered) {
        const std::int32_t value = table_.value_of(table_.entry(row));
        AcceleratorEntry entry = table_.remove_entry(row);
        history_.record(row_change_action(std::u16string(accelerator_undo::delete_row), RowChange::removed, table_,
                                          workspace_.project(), row, std::move(entry), value));
    }
    history_.close_group();
    modified();
    return true;
}

Status AcceleratorEditing::set_identifier(std::size_t row, std::u16string_view text) {
    if (text == table_.entry(row).identifier) return success();
    // A string-like or oversized name would be written into the header and the compiled table
    // as something no compiler reads back, so only symbols and word-sized numbers are taken.
    if (const auto refusal = identifier_refusal(classify_identifier(text), false, workspace_.strings())) {
        workspace_.ask(*refusal, workspace_.text(str::error_caption), AskButtons::ok, AskIcon::error);
        return Error{*refusal};
    }
    AcceleratorEntry changed = table_.entry(row);
    changed.identifier = text;
    replace(row, std::move(changed), accelerator_undo::identifier);
    return success();
}

Status AcceleratorEditing::set_ascii_key(std::size_t row, std::u16string_view text) {
    if (text.empty()) return Error{u"No key was typed."};
    AcceleratorEntry changed = table_.entry(row);
    changed.key = AcceleratorKey::character(text.front());
    replace(row, std::move(changed), accelerator_undo::ascii_key);
    return success();
}

Status AcceleratorEditing::set_virtual_key(std::size_t row, std::u16string_view text) {
    AcceleratorEntry changed = table_.entry(row);
    if (const auto code = names_.code_of(text)) {
        changed.key = AcceleratorKey::named(std::u16string(text), *code);
    } else if (const auto number = key_number(text); number && *number != 0) {
        changed.key = AcceleratorKey::virtual_code(*number, names_);
    } else {
        const char16_t letter = text.empty() ? u'\0' : ascii_upper(text.front());
        if (letter < u'A' || letter > u'Z') return Error{u"A virtual key is a key name, a number or a letter."};
        changed.key = AcceleratorKey::letter(letter);
    }
    replace(row, std::move(changed), accelerator_undo::virtual_key);
    return success();
}

void AcceleratorEditing::set_alt(std::size_t row, bool on) {
    AcceleratorEntry changed = table_.entry(row);
    changed.alt = on;
    replace(row, std::move(changed), accelerator_undo::key);
}

bool AcceleratorEditing::set_control(std::size_t row, bool on) {
    AcceleratorEntry changed = table_.entry(row);
    if (!changed.key.is_virtual()) return false;
    changed.control = on;
    replace(row, std::move(changed), accelerator_undo::key);
    return true;
}

bool AcceleratorEditing::set_shift(std::size_t row, bool on) {
    AcceleratorEntry changed = table_.entry(row);
    if (!changed.key.is_virtual()) return false;
    changed.shift = on;
    replace(row, std::move(changed), accelerator_undo::key);
    return true;
}

void AcceleratorEditing::set_virtual(std::size_t row, bool on) {
    AcceleratorEntry changed = table_.entry(row);
    if (changed.key.is_virtual() == on) return;
    const std::uint16_t code = changed.key.code;
    if (on) {
        changed.key = code >= u'A' && code <= u'Z' ? AcceleratorKey::letter(static_cast<char16_t>(code))
                                                   : AcceleratorKey::virtual_code(code, names_);
    } else {
        changed.key = AcceleratorKey::character(code);
        changed.control = false;
        changed.shift = false;
    }
    replace(row, std::move(changed), accelerator_undo::key);
}

bool AcceleratorEditing::set_modifiers(std::size_t row, bool alt, bool control, bool shift) {
    AcceleratorEntry changed = table_.entry(row);
    if (!changed.key.is_virtual() && (control || shift)) return false;
    changed.alt = alt;
    changed.control = control;
    changed.shift = shift;
    replace(row, std::move(changed), accelerator_undo::key);
    return true;
}

void AcceleratorEditing::set_noinvert(std::size_t row, bool on) {
    AcceleratorEntry changed = table_.entry(row);
    changed.noinvert = on;
    replace(row, std::move(changed), accelerator_undo::key);
}

bool AcceleratorEditing::press_key(std::size_t row, std::uint16_t code, bool alt, bool control, bool shift) {
    // VK_SHIFT, VK_CONTROL, VK_MENU and their left and right variants.
    constexpr std::uint16_t modifier_keys[] = {0x10, 0x11, 0x12, 0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5};
    if (code == 0 || std::find(std::begin(modifier_keys), std::end(modifier_keys), code) != std::end(modifier_keys)) {
        return false;
    }
    AcceleratorEntry changed = table_.entry(row);
    changed.key = code >= u'A' && code <= u'Z' ? AcceleratorKey::letter(static_cast<char16_t>(code))
                                               : AcceleratorKey::virtual_code(code, names_);
    changed.alt = alt;
    changed.control = control;
    changed.shift = shift;
    replace(row, std::move(changed), accelerator_undo::virtual_key);
    return true;
}

std::vector<std::uint8_t> AcceleratorEditing::copy(std::span<const std::size_t> rows) const {
    std::vector<AcceleratorEntry> copied;
    for (std::size_t row : rows) {
        if (row < table_.size()) copied.push_back(table_.entry(row));
    }
    return encode_accelerator_rows(copied);
}

Result<std::vector<std::size_t>> AcceleratorEditing::paste(std::span<const std::uint8_t> clipboard) {
    auto rows = decode_accelerator_rows(clipboard, names_);
    if (!rows) return Error{rows.error()};

    AcceleratorTable& table = table_;
    std::vector<std::size_t> pasted;
    history_.open_group(std::u16string(accelerator_undo::paste));
    for (AcceleratorEntry& row : *rows) {
        const ItemIdentifier identifier = pasted_item_identifier(
            row.identifier, table_.symbols(), [&table](std::int32_t value) { return table.uses_value(value); });
        row.identifier = identifier.name;
        const std::size_t position = table_.size();
        table_.insert_entry(position, row, identifier.value);
        pasted.push_back(position);
        history_.record(row_change_action(u"", RowChange::inserted, table_, workspace_.project(), position, row,
                                          identifier.value));
    }
    history_.close_group();
    if (!pasted.empty()) modified();
    return pasted;
}

}  // namespace tavorin
