#pragma once
// What the accelerator editor does to its table. Every change is applied to the model, marks
// the table modified and is recorded in the editor's undo history with the label the Undo list
// shows. Rows are positions in the table's list.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "model/undo_history.h"
#include "resources/accelerator/accelerator_table.h"

namespace tavorin {

class Workspace;

namespace accelerator_undo {
inline constexpr std::u16string_view insert = u"Insert Accelerator";
inline constexpr std::u16string_view delete_rows = u"Delete item";
inline constexpr std::u16string_view delete_row = u"Delete Accelerator";
inline constexpr std::u16string_view paste = u"Paste";
inline constexpr std::u16string_view key = u"Key";
inline constexpr std::u16string_view ascii_key = u"Set ASCII Key";
inline constexpr std::u16string_view virtual_key = u"Set Virtual Key";
inline constexpr std::u16string_view identifier = u"Accelerator ID";
}  // namespace accelerator_undo

// The list's Key Modifier column: "Alt", "Ctrl" and "Shift" (those set) joined by " + ".
std::u16string modifier_text(const AcceleratorEntry& entry);
// The list's Type column: "ASCII" or "Virtual Key".
std::u16string_view type_text(const AcceleratorEntry& entry);

// The choices of the list's modifier cell: every combination of Alt, Ctrl and Shift in the
// column's own words, none first ("" then "Alt", "Ctrl", "Alt + Ctrl", ...). The index's bits are
// alt (1), control (2) and shift (4).
inline constexpr std::size_t modifier_choice_count = 8;
std::u16string modifier_choice_text(std::size_t choice);
std::size_t modifier_choice_of(const AcceleratorEntry& entry);

class AcceleratorEditing {
public:
    AcceleratorEditing(AcceleratorTable& table, Workspace& workspace, UndoHistory& history, const VirtualKeyNames& names)
        : table_(table), workspace_(workspace), history_(history), names_(names) {}

    // "Add new accelerator": the ASCII key "a" without modifiers and a new identifier named
    // from "ID_ACCELERATOR", appended. Returns its row.
    std::size_t add_new();

    // Deletes the rows, each one step of the group "Delete item". No row: the beep, false.
    bool delete_rows(std::span<const std::size_t> rows);

    // Gives a row the identifier typed (made when new). Refused with "Invalid ID." (or the
    // message for a number too big for a word) when the text is no identifier.
    Status set_identifier(std::size_t row, std::u16string_view text);

    // The first character typed becomes the row's character. Refused when nothing was typed.
    Status set_ascii_key(std::size_t row, std::u16string_view text);
    // A name of the virtual-key table; else a non-zero number (shown by name when the code has
    // one); else the first character in upper case, which must be a letter.
    Status set_virtual_key(std::size_t row, std::u16string_view text);

    // The modifier and type switches, one "Key" step each. Control and shift belong to virtual
    // keys only: on an ASCII row they are refused (false), and switching a row to ASCII clears
    // them. Switching to a virtual key keeps the code: an upper-case letter stays a letter,
    // any other code takes its name or number.
    void set_alt(std::size_t row, bool on);
    bool set_control(std::size_t row, bool on);
    bool set_shift(std::size_t row, bool on);
    void set_virtual(std::size_t row, bool on);
    // Alt, Ctrl and Shift at once, one "Key" step (the list's modifier cell). On an ASCII row
    // Ctrl and Shift are refused (false, nothing changed).
    bool set_modifiers(std::size_t row, bool alt, bool control, bool shift);
    // NOINVERT, one "Key" step.
    void set_noinvert(std::size_t row, bool on);

    // A key pressed while the editor waits for one: the row becomes that virtual key (a letter
    // as the letter, other codes by name or number) with the modifiers held, one "Set Virtual
    // Key" step. A modifier key alone (Shift, Ctrl, Alt, either side) is not a key: false.
    bool press_key(std::size_t row, std::uint16_t code, bool alt, bool control, bool shift);

    std::vector<std::uint8_t> copy(std::span<const std::size_t> rows) const;

    // Appends the clipboard's rows, each with a new identifier named after its own, as steps of
    // the group "Paste". Returns the new rows.
    Result<std::vector<std::size_t>> paste(std::span<const std::uint8_t> clipboard);

private:
    void replace(std::size_t row, AcceleratorEntry changed, std::u16string_view label);
    void modified();

    AcceleratorTable& table_;
    Workspace& workspace_;
    UndoHistory& history_;
    const VirtualKeyNames& names_;
};

}  // namespace tavorin
