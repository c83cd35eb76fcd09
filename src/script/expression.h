#pragma once
// Integer expressions as resource scripts and #if lines write them: C precedence over unsigned
// 32-bit values that wrap, identifiers evaluated through their macro values, `defined` while
// preprocessing, and NOT in style expressions.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "services/ui_strings.h"
#include "base/nesting_limit.h"
#include "base/result.h"
#include "script/macro_table.h"
#include "script/reader_mode.h"

namespace tavorin {

struct ExpressionValue {
    std::uint32_t value = 0;
    std::size_t text_end = 0;  // end of the expression's own text
    std::size_t end = 0;       // after the white space that follows it
    // Preprocessing only: an identifier that names no macro was counted as 0.
    bool undeclared = false;
    // Style expressions only: the bits named after NOT and not mentioned again later.
    std::uint32_t not_mask = 0;
};

enum class ExpressionKind : std::uint8_t { plain, style };

class ExpressionEvaluator {
public:
    // Parentheses, unary operators and macro values nested deeper than this are an error
    // rather than a risk to the stack.
    static constexpr int max_depth = max_nesting_depth;

    ExpressionEvaluator(const MacroTable& macros, const UiStrings& strings, ReaderMode mode)
        : macros_(macros), strings_(strings), mode_(mode) {}

    // Evaluates the expression starting at `pos` (white space before it is skipped).
    Result<ExpressionValue> evaluate(std::u16string_view text, std::size_t pos,
                                     ExpressionKind kind = ExpressionKind::plain);

    // Where the last failure was found in the text given to evaluate.
    std::size_t failure_position() const { return failure_position_; }

private:
    friend class ExpressionParser;

    const MacroTable& macros_;
    const UiStrings& strings_;
    ReaderMode mode_;
    std::size_t failure_position_ = 0;
    // Macros whose values are being evaluated, innermost last.
    std::vector<std::u16string_view> active_macros_;
};

}  // namespace tavorin
