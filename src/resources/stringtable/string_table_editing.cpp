#include "resources/stringtable/string_table_editing.h"

#include <algorithm>
#include <functional>

#include "model/workspace.h"
#include "model/identifier_validation.h"
#include "resources/list_rows.h"
#include "resources/stringtable/item_naming.h"
#include "resources/stringtable/string_clipboard.h"
#include "resources/stringtable/string_search.h"

namespace tavorin {

namespace {

constexpr std::u16string_view new_string_template = u"IDS_STRING1";

// The value a typed identifier will have: a known symbol's, a number's own; none for a new name
// (which then takes a value no row of the table uses).
std::optional<std::int32_t> prospective_value(std::u16string_view text, const SymbolTable& symbols) {
    if (symbols.has_symbol(text)) return symbols.value_of(text);
    if (const auto number = leading_number(text)) return static_cast<std::int32_t>(*number);
    return std::nullopt;
}

// An action that tells the editor's list which row its undo or redo changed.
class ListenedAction : public Action {
public:
    ListenedAction(std::unique_ptr<Action> action, StringTableEditing::UndoListener listener, std::size_t row)
        : action_(std::move(action)), listener_(std::move(listener)), row_(row) {}

    std::u16string name() const override { return action_->name(); }
    void redo() override {
        action_->redo();
        listener_(row_);
    }
    void undo() override {
        action_->undo();
        listener_(row_);
    }

private:
    std::unique_ptr<Action> action_;
    StringTableEditing::UndoListener listener_;
    std::size_t row_;
};

}  // namespace

void StringTableEditing::record(std::unique_ptr<Action> action, std::size_t row) {
    if (undo_listener_) action = std::make_unique<ListenedAction>(std::move(action), undo_listener_, row);
    history_.record(std::move(action));
}

void StringTableEditing::modified() { workspace_.project().set_modified(table_, true); }

void StringTableEditing::show_error(std::u16string_view message) {
    workspace_.ask(message, workspace_.text(str::error_caption), AskButtons::ok, AskIcon::error);
}

std::size_t StringTableEditing::add_new_string() {
    const std::size_t row = table_.size();
    StringEntry entry{table_.symbols().free_name(new_string_template), workspace_.text(str::sample_text)};
    table_.insert_entry(row, entry);
    const std::int32_t value = table_.value_at(row);
    modified();

    record(row_change_action(std::u16string(string_undo::insert), RowChange::inserted, table_, workspace_.project(),
                             row, entry, value),
           row);
    return row;
}

bool StringTableEditing::delete_rows(std::span<const std::size_t> rows) {
    const std::vector<std::size_t> ordered = rows_for_deletion(rows, table_.size());
    if (ordered.empty()) {
        workspace_.platform().beep();
        return false;
    }

    history_.open_group(std::u16string(string_undo::delete_rows));
    for (std::size_t row : ordered) {
        const std::int32_t value = table_.value_at(row);
        StringEntry entry = table_.remove_entry(row);
        record(row_change_action(std::u16string(string_undo::delete_row), RowChange::removed, table_,
                                 workspace_.project(), row, std::move(entry), value),
               row);
    }
    history_.close_group();
    modified();
    return true;
}

Status StringTableEditing::set_identifier(std::size_t row, std::u16string_view text) {
    const std::u16string old_name = table_.entry(row).identifier;
    if (text == old_name) return success();

    // A string-like or oversized name would be written into the header and the binary blocks
    // as something no compiler reads back, so only symbols and word-sized numbers are taken.
    if (const auto refusal = identifier_refusal(classify_identifier(text), false, workspace_.strings())) {
        show_error(*refusal);
        return Error{*refusal};
    }
    const SymbolTable& symbols = table_.symbols();
    const std::int32_t old_value = table_.value_at(row);
    const auto new_value = prospective_value(text, symbols);
    if (table_.find(text) || (new_value && *new_value != old_value && table_.uses_value(*new_value))) {
        const std::u16string& message = workspace_.text(str::id_already_used_in_string_table);
        show_error(message);
        return Error{message};
    }

    // A new name renames the string: it keeps its value, so the program's code and the string's
    // block stay as they were.
    if (new_value) {
        table_.set_identifier(row, text);
    } else {
        table_.set_identifier(row, text, old_value);
    }
    const std::int32_t applied_value = table_.value_at(row);
    modified();

    StringTable& table = table_;
    Workspace& workspace = workspace_;
    const std::u16string new_name(text);
    record(std::make_unique<CallbackAction>(
        std::u16string(string_undo::identifier),
        [&table, &workspace, row, new_name, applied_value] {
            table.set_identifier(row, new_name, applied_value);
            workspace.project().set_modified(table, true);
        },
        [&table, &workspace, row, old_name, old_value] {
            table.set_identifier(row, old_name, old_value);
            workspace.project().set_modified(table, true);
        }),
        row);
    return success();
}

void StringTableEditing::set_text(std::size_t row, std::u16string text) {
    const std::u16string old_text = table_.entry(row).text;
    if (text == old_text) return;
    table_.set_text(row, text);
    modified();

    StringTable& table = table_;
    Workspace& workspace = workspace_;
    record(std::make_unique<CallbackAction>(
        std::u16string(string_undo::text),
        [&table, &workspace, row, text] {
            table.set_text(row, text);
            workspace.project().set_modified(table, true);
        },
        [&table, &workspace, row, old_text] {
            table.set_text(row, old_text);
            workspace.project().set_modified(table, true);
        }),
        row);
}

std::vector<std::uint8_t> StringTableEditing::copy(std::span<const std::size_t> rows) const {
    std::vector<StringEntry> copied;
    for (std::size_t row : rows) {
        if (row < table_.size()) copied.push_back(table_.entry(row));
    }
    return encode_string_rows(copied);
}

Result<std::vector<std::size_t>> StringTableEditing::paste(std::span<const std::uint8_t> clipboard) {
    auto rows = decode_string_rows(clipboard);
    if (!rows) return Error{rows.error()};
    return paste_rows(*rows);
}

std::vector<std::size_t> StringTableEditing::paste_rows(std::span<const StringEntry> rows) {
    StringTable& table = table_;
    std::vector<std::size_t> pasted;
    history_.open_group(std::u16string(string_undo::paste));
    for (const StringEntry& row : rows) {
        const ItemIdentifier identifier = pasted_item_identifier(
            row.identifier, table_.symbols(), [&table](std::int32_t value) { return table.uses_value(value); });
        const std::size_t position = table_.size();
        const StringEntry entry{identifier.name, row.text};
        table_.insert_entry(position, entry, identifier.value);
        pasted.push_back(position);
        record(row_change_action(u"", RowChange::inserted, table_, workspace_.project(), position, entry,
                                 identifier.value),
               position);
    }
    history_.close_group();
    if (!pasted.empty()) modified();
    return pasted;
}

std::size_t StringTableEditing::replace_all(std::u16string_view what, std::u16string_view with, bool match_case) {
    std::size_t replaced = 0;
    history_.open_group(std::u16string(string_undo::replace_all));
    for (std::size_t row = 0; row < table_.size(); ++row) {
        const TextReplacement replacement = replace_in_text(table_.entry(row).text, what, with, match_case);
        if (replacement.count == 0) continue;
        replaced += replacement.count;
        set_text(row, replacement.text);
    }
    history_.close_group();
    return replaced;
}

}  // namespace tavorin
