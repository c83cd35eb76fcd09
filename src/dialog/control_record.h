#pragma once
// The flat description of one control: what the script reader, the binary template reader, the
// clipboard and the undo records hand to a dialog to create a control, and what a control gives
// back as its snapshot.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "dialog/control_kind.h"

namespace tavorin {

struct ControlRecord {
    ControlKind kind = ControlKind::undecided;
    // The caption as stored (escapes as written); empty for a statement without text.
    std::u16string text;
    // An image (or any caption) given by number: the template stores 0xFFFF and this ordinal,
    // and the script writes `text` unquoted.
    std::optional<std::uint16_t> text_ordinal;
    // None for a control placed from the toolbox: it gets a new numbered identifier.
    std::optional<std::u16string> identifier;
    std::int32_t identifier_value = 0;
    // Dialog units. A width and height below the kind's minimum ask for the default or natural
    // size, centred on (x, y).
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint32_t style = 0;
    std::uint32_t extended_style = 0;
    // -1 draws a new one.
    std::int32_t unique_key = -1;
    // The window class as written: a Custom Control's, or a predefined class named by text
    // rather than by its atom.
    std::u16string class_name;
    // Bytes the template hands to the control's window when it is created (its WM_CREATE data).
    std::vector<std::uint8_t> creation_data;

    friend bool operator==(const ControlRecord&, const ControlRecord&) = default;
};

}  // namespace tavorin
