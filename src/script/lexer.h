#pragma once
// The scanning operations the statement parser reads a preprocessed script with. There is no
// token stream: every operation takes a position in the text and returns the position after
// what it read. White space before a token is skipped by the operation itself. A failing
// operation returns the error message and remembers where it failed (failure_position), so the
// caller can report the line.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "services/ui_strings.h"
#include "base/result.h"
#include "script/expression.h"
#include "script/macro_table.h"
#include "script/number_scan.h"
#include "script/position_map.h"

namespace tavorin {

template <typename T>
struct Scanned {
    T value;
    std::size_t end = 0;
};

struct Expression {
    std::uint32_t value = 0;
    std::u16string_view text;  // the expression's own text, without the white space after it
};

struct ItemId {
    std::uint32_t value = 0;
    // The macro the source named the item by, else the expression's own text.
    std::u16string name;
};

// The macro table must not change while a lexer reads with it: values it evaluated are kept.
class Lexer {
public:
    Lexer(std::u16string_view text, const MacroTable& macros, const UiStrings& strings,
          const PositionMap* positions = nullptr, ReaderMode mode = ReaderMode::parsing);

    std::u16string_view text() const { return text_; }
    // The character at `pos`, or 0 at the end of the text.
    char16_t at(std::size_t pos) const { return pos < text_.size() ? text_[pos] : char16_t{0}; }
    bool at_end(std::size_t pos) const { return pos >= text_.size(); }

    // Blanks, tabs, line breaks and continuations (a backslash before a line break).
    std::size_t skip_blanks(std::size_t pos) const;
    // Blanks, tabs, carriage returns and continuations, up to and including one line feed.
    std::size_t skip_to_line_end(std::size_t pos) const;
    // Everything up to and including the next line feed.
    std::size_t skip_line(std::size_t pos) const;

    // The keyword in any letter case, followed by a character that is not a letter or digit.
    std::optional<std::size_t> keyword(std::size_t pos, std::u16string_view word) const;
    // Letters, digits, "_" and "$"; at least one.
    Result<Scanned<std::u16string_view>> identifier(std::size_t pos);
    // Nothing when no digit is there.
    std::optional<ScannedNumber> number(std::size_t pos) const;
    // BEGIN or "{".
    Result<std::size_t> begin(std::size_t pos);
    // END or "}".
    Result<std::size_t> end(std::size_t pos);
    // Exactly `c`, and the white space after it.
    Result<std::size_t> expect(std::size_t pos, char16_t c);
    std::size_t optional_comma(std::size_t pos) const;

    // A caption or string-table text: backslash sequences stay as written, doubled quotes give
    // one quote, adjacent literals join.
    Result<Scanned<std::u16string>> string(std::size_t pos, char16_t delimiter = u'"');
    // A menu text, file name, class name: must be closed on its line; escapes optional.
    Result<Scanned<std::u16string>> quoted_text(std::size_t pos, char16_t open = u'"', char16_t close = u'"',
                                                bool escapes = false);

    Result<Scanned<Expression>> expression(std::size_t pos);
    // A 16-bit value, written signed (-32768 to -1) or unsigned (0 to 65535).
    Result<Scanned<std::uint16_t>> word_expression(std::size_t pos);
    // An expression in which NOT is allowed; the bits named after NOT are in not_mask().
    Result<Scanned<std::uint32_t>> style_expression(std::size_t pos);
    std::uint32_t not_mask() const { return not_mask_; }
    // An identifier of a control, menu item, accelerator, string or button, and an optional
    // comma after it.
    Result<Scanned<ItemId>> item_id(std::size_t pos);
    // The same for a 16-bit field: from `low` (-32768 where a signed value is allowed, else 0)
    // to 65535; the value is the low 16 bits.
    Result<Scanned<ItemId>> word_item_id(std::size_t pos, std::int32_t low = -32768);

    // Whether the text at `pos` (after blanks) is a macro's value rather than written there.
    bool expanded_at(std::size_t pos) const;

    std::size_t failure_position() const { return failure_position_; }
    // 1-based line of a position: the preprocessed text keeps the source's lines.
    int line_of(std::size_t pos) const;

private:
    Error fail(std::size_t pos, std::u16string message);
    Result<Scanned<Expression>> evaluate(std::size_t pos, ExpressionKind kind);
    std::optional<std::uint32_t> mentioned_value(const PositionMap::Mention& mention);

    std::u16string_view text_;
    const MacroTable& macros_;
    const UiStrings& strings_;
    const PositionMap* positions_;
    ExpressionEvaluator evaluator_;
    std::uint32_t not_mask_ = 0;
    std::size_t failure_position_ = 0;
    mutable std::vector<std::size_t> line_feeds_;  // built on the first line_of
    // The values of the macros the position map names, by mention index, evaluated once:
    // unknown, failed, or the value.
    enum class Known : std::uint8_t { unknown, failed, value };
    std::vector<std::pair<Known, std::uint32_t>> mentioned_values_;
    mutable bool line_feeds_ready_ = false;
};

}  // namespace tavorin
