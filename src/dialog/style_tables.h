#pragma once
// The style names the dialog editor writes: one name table per control kind, the extended
// styles, and the dialog's STYLE line. Each table is tried in its own order; a name is written
// when all its bits are set. Reading styles back is the expression evaluator's work, which knows
// the same names from the headers.

#include <cstdint>
#include <string>

#include "dialog/control_kind.h"
#include "dialog/style_writer.h"

namespace tavorin {

struct ClassNameOptions {
    // BS_ types are named only in CONTROL statements: short keywords imply them.
    bool control_statement = false;
};

// The names of the kind's own bits in `style` (the caller leaves out the bits every control
// has). A button or static type without a name is left for the remainder. Custom Control writes
// the whole style as one hexadecimal item. Hot Key, IP Address and Rebar have no names.
void write_class_style_names(StyleWriter& out, ControlKind kind, std::uint32_t style,
                             ClassNameOptions options = {});

// The WS_ names a control's style list tries, in this order, on the bits its statement does not
// imply.
void write_control_window_style_names(StyleWriter& out, std::uint32_t style);

// The extended-style names of controls and dialogs. Unnamed bits are not written.
void write_extended_style_names(StyleWriter& out, std::uint32_t extended_style);

// The dialog's STYLE list: the DS_ names, then the WS_ names; "0" when none applies. Unnamed
// bits are not written.
std::u16string dialog_style_text(std::uint32_t style);

// The style of a control as generated C code writes it: the set WS_ bits by name, the kind's
// names on the whole style, and the rest as one hexadecimal item; "0" when empty.
std::u16string code_style_text(ControlKind kind, std::uint32_t style);

}  // namespace tavorin
