#pragma once
// What the string table editor does to its table. Every change is applied to the model, marks
// the table modified and is recorded in the editor's undo history with the label the Undo list
// shows. Rows are positions in the table's list.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "model/undo_history.h"
#include "resources/stringtable/string_table.h"

namespace tavorin {

class Workspace;

namespace string_undo {
inline constexpr std::u16string_view insert = u"Insert String";
inline constexpr std::u16string_view delete_rows = u"Delete item";
inline constexpr std::u16string_view delete_row = u"Delete String";
inline constexpr std::u16string_view paste = u"Paste";
inline constexpr std::u16string_view identifier = u"Item ID";
inline constexpr std::u16string_view text = u"Item text";
inline constexpr std::u16string_view replace_all = u"Replace All";
}  // namespace string_undo

class StringTableEditing {
public:
    // Told the row an undo or redo changed, so that an open list shows the table again.
    using UndoListener = std::function<void(std::size_t row)>;

    StringTableEditing(StringTable& table, Workspace& workspace, UndoHistory& history,
                       UndoListener undo_listener = {})
        : table_(table), workspace_(workspace), history_(history), undo_listener_(std::move(undo_listener)) {}

    // "Add new string": the first IDS_STRINGn not yet in the symbol table, a value from the
    // identifier service and the text "Sample text", appended. Returns its row.
    std::size_t add_new_string();

    // Deletes the rows, each one step of the group "Delete item". No row: the beep, false.
    bool delete_rows(std::span<const std::size_t> rows);

    // Gives a row the identifier typed. Refused with "Invalid ID." (or the message for a number
    // too big for a word) when the text is no identifier, and with "ID already used in this
    // String Table." when another row of the table has the identifier or its value.
    Status set_identifier(std::size_t row, std::u16string_view text);

    // The text is taken as typed: the stored form, escapes included.
    void set_text(std::size_t row, std::u16string text);

    std::vector<std::uint8_t> copy(std::span<const std::size_t> rows) const;

    // Appends the clipboard's rows, each with a new identifier named after its own, as steps of
    // the group "Paste". Returns the new rows (the editor selects them).
    Result<std::vector<std::size_t>> paste(std::span<const std::uint8_t> clipboard);
    // The same for rows read from elsewhere (the plain-text clipboard).
    std::vector<std::size_t> paste_rows(std::span<const StringEntry> rows);

    // Replaces every occurrence of `what` in the texts by `with`, each changed row one step of
    // the group "Replace All". Returns the number of occurrences replaced.
    std::size_t replace_all(std::u16string_view what, std::u16string_view with, bool match_case);

private:
    void modified();
    void show_error(std::u16string_view message);
    // Records an action whose undo and redo also tell the listener about `row`.
    void record(std::unique_ptr<Action> action, std::size_t row);

    StringTable& table_;
    Workspace& workspace_;
    UndoHistory& history_;
    UndoListener undo_listener_;
};

}  // namespace tavorin
