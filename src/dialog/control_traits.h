#pragma once
// What a kind of control is, beyond what the configuration may change: its window class, the
// class's symbolic name in CONTROL statements, its predefined class atom in binary templates,
// the style of a control placed from the toolbox, and its minimum size.

#include <cstdint>
#include <string_view>

#include "dialog/control_kind.h"

namespace tavorin {

struct ControlTraits {
    ControlKind kind = ControlKind::none;
    // Custom Control: empty; the control keeps the class the user typed.
    std::u16string_view window_class;
    std::u16string_view symbolic_class;
    // The predefined class ordinal of binary templates; 0 when the class is stored by name.
    std::uint16_t atom = 0;
    // The style a control placed from the toolbox starts with: the kind's implied style and
    // its extra bits.
    std::uint32_t new_style = 0;
    // Placed from the toolbox with WS_EX_NOPARENTNOTIFY.
    bool no_parent_notify = false;
    std::int32_t minimum_width = 0;
    std::int32_t minimum_height = 0;
    // A click without dragging sizes the control from its caption (buttons, check boxes,
    // radio buttons and static texts measure it).
    bool sizes_from_text = false;
};

// Only for catalog kinds (1..24).
const ControlTraits& control_traits(ControlKind kind);

// The window class of a predefined atom (0x0080 to 0x0085), empty for any other number.
std::u16string_view class_of_atom(std::uint16_t atom);

}  // namespace tavorin
