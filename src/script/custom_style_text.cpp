#include "script/custom_style_text.h"

#include "model/workspace.h"
#include "dialog/dialog.h"
#include "script/expression.h"

namespace tavorin {

namespace {

// The whole text as one style expression (NOT names clear their bits), or none.
std::optional<std::uint32_t> evaluate_style_text(std::u16string_view text, const MacroTable& macros,
                                                 const UiStrings& strings) {
    ExpressionEvaluator evaluator(macros, strings, ReaderMode::parsing);
    const auto evaluated = evaluator.evaluate(text, 0, ExpressionKind::style);
    if (!evaluated || evaluated->end != text.size()) return std::nullopt;
    return evaluated->value & ~evaluated->not_mask;
}

}  // namespace

StyleTextStatus apply_custom_style_text(Dialog& dialog, std::int32_t key, CustomStyleField field,
                                        std::u16string_view text, const MacroTable& macros) {
    const Control* control = dialog.find_control(key);
    if (control == nullptr || control->kind() != ControlKind::custom) return StyleTextStatus::no_custom_control;
    const auto value = evaluate_style_text(text, macros, dialog.workspace().strings());
    if (!value) {
        return field == CustomStyleField::style ? StyleTextStatus::invalid_style
                                                : StyleTextStatus::invalid_extended_style;
    }
    if (field == CustomStyleField::style) {
        dialog.set_control_style(key, *value, control->extended_style());
    } else {
        dialog.set_control_style(key, control->style(), *value);
    }
    return StyleTextStatus::applied;
}

std::optional<Question> style_text_message(StyleTextStatus status, const UiStrings& strings) {
    switch (status) {
        case StyleTextStatus::invalid_style:
            return Question{u"Invalid style", u"Tavorin", AskButtons::ok, AskIcon::error};
        case StyleTextStatus::invalid_extended_style:
            return Question{u"Invalid extended style", strings.text(str::error_caption), AskButtons::ok,
                            AskIcon::error};
        case StyleTextStatus::applied:
        case StyleTextStatus::no_custom_control: return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace tavorin
