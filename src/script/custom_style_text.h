#pragma once
// The Style and Extended Style properties of a Custom Control take any style expression
// ("WS_CHILD | 0x4", "NOT WS_VISIBLE"); only its value is kept, and the property shows it
// again as "0x" and eight hexadecimal digits.

#include <cstdint>
#include <optional>
#include <string_view>

#include "services/ui_strings.h"
#include "platform/platform.h"
#include "script/macro_table.h"

namespace tavorin {

class Dialog;

enum class CustomStyleField : std::uint8_t { style, extended_style };

enum class StyleTextStatus : std::uint8_t {
    applied,
    invalid_style,
    invalid_extended_style,
    // The key finds no Custom Control: nothing was changed.
    no_custom_control,
};

// Evaluates the text with the macros known from the project's headers and sets the control's
// style or extended style to the value. Text that is no complete expression changes nothing.
StyleTextStatus apply_custom_style_text(Dialog& dialog, std::int32_t key, CustomStyleField field,
                                        std::u16string_view text, const MacroTable& macros);

// The error message to show for a rejected text: "Invalid style" captioned "Tavorin", or
// "Invalid extended style" captioned with the UI string "Error". None for the other statuses.
std::optional<Question> style_text_message(StyleTextStatus status, const UiStrings& strings);

}  // namespace tavorin
