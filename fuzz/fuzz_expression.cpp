// The expression evaluator over arbitrary text. The input is UTF-8: every line but the last
// defines a macro ("NAME VALUE"), the last line is the expression, evaluated as #if does, as a
// statement does and as a style.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "services/ui_strings.h"
#include "base/text.h"
#include "script/expression.h"
#include "script/macro_table.h"

namespace {

const tavorin::UiStrings& strings() {
    static const tavorin::UiStrings table;
    return table;
}

void check(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavorin;
    const std::u16string text = utf8_to_text(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::u16string_view view = text;

    MacroTable macros;
    std::size_t line_start = 0;
    while (true) {
        const std::size_t line_end = view.find(u'\n', line_start);
        if (line_end == std::u16string_view::npos) break;
        const std::u16string_view line = view.substr(line_start, line_end - line_start);
        const std::size_t blank = line.find(u' ');
        if (blank != std::u16string_view::npos && blank > 0) {
            macros.define(line.substr(0, blank), std::u16string(line.substr(blank + 1)), false, 0);
        }
        line_start = line_end + 1;
    }
    const std::u16string_view expression = view.substr(line_start);

    for (ReaderMode mode : {ReaderMode::preprocessing, ReaderMode::parsing}) {
        for (ExpressionKind kind : {ExpressionKind::plain, ExpressionKind::style}) {
            ExpressionEvaluator evaluator(macros, strings(), mode);
            auto result = evaluator.evaluate(expression, 0, kind);
            if (result) {
                check(result->text_end <= result->end && result->end <= expression.size());
            } else {
                check(!result.error().empty());
                check(evaluator.failure_position() <= expression.size());
            }
        }
    }
    return 0;
}
