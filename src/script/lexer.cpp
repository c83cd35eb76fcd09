#include "script/lexer.h"

#include <algorithm>

#include "services/string_ids.h"
#include "base/escapes.h"
#include "base/text.h"
#include "script/char_class.h"
#include "script/reader_messages.h"
#include "script/text_scan.h"

namespace tavorin {

Lexer::Lexer(std::u16string_view text, const MacroTable& macros, const UiStrings& strings,
             const PositionMap* positions, ReaderMode mode)
    : text_(text), macros_(macros), strings_(strings), positions_(positions), evaluator_(macros, strings, mode) {}

Error Lexer::fail(std::size_t pos, std::u16string message) {
    failure_position_ = pos;
    return Error{std::move(message)};
}

std::size_t Lexer::skip_blanks(std::size_t pos) const { return skip_white(text_, pos); }

std::size_t Lexer::skip_to_line_end(std::size_t pos) const {
    while (pos < text_.size()) {
        const char16_t c = text_[pos];
        if (c == u'\n') return pos + 1;
        if (c == u' ' || c == u'\t' || c == u'\r') {
            ++pos;
        } else if (const std::size_t n = continuation_length(text_, pos)) {
            pos += n;
        } else {
            break;
        }
    }
    return pos;
}

std::size_t Lexer::skip_line(std::size_t pos) const {
    const std::size_t lf = text_.find(u'\n', pos);
    return lf == std::u16string_view::npos ? text_.size() : lf + 1;
}

std::optional<std::size_t> Lexer::keyword(std::size_t pos, std::u16string_view word) const {
    pos = skip_blanks(pos);
    if (text_.size() - pos < word.size() || !equals_ignore_case(text_.substr(pos, word.size()), word)) {
        return std::nullopt;
    }
    const std::size_t end = pos + word.size();
    if (is_letter_or_digit(at(end))) return std::nullopt;
    return end;
}

Result<Scanned<std::u16string_view>> Lexer::identifier(std::size_t pos) {
    pos = skip_blanks(pos);
    const std::size_t end = identifier_end(text_, pos);
    if (end == pos) return fail(pos, strings_.text(str::control_id_expected));
    return Scanned<std::u16string_view>{text_.substr(pos, end - pos), end};
}

std::optional<ScannedNumber> Lexer::number(std::size_t pos) const { return scan_number(text_, skip_blanks(pos)); }

Result<std::size_t> Lexer::begin(std::size_t pos) {
    pos = skip_blanks(pos);
    if (at(pos) == u'{') return pos + 1;
    if (auto after = keyword(pos, u"BEGIN")) return *after;
    return fail(pos, strings_.text(str::begin_expected));
}

Result<std::size_t> Lexer::end(std::size_t pos) {
    pos = skip_blanks(pos);
    if (at(pos) == u'}') return pos + 1;
    if (auto after = keyword(pos, u"END")) return *after;
    return fail(pos, strings_.text(str::end_expected));
}

Result<std::size_t> Lexer::expect(std::size_t pos, char16_t c) {
    const std::size_t found = skip_blanks(pos);
    // The failure is reported where the search began, not on a later line it ran into.
    if (at(found) != c) return fail(pos, character_expected(strings_, c));
    return skip_blanks(found + 1);
}

std::size_t Lexer::optional_comma(std::size_t pos) const {
    pos = skip_blanks(pos);
    if (at(pos) == u',') pos = skip_blanks(pos + 1);
    return pos;
}

namespace {

// In a wide literal (L"...") "\\x" takes up to four hexadecimal digits, in a narrow one two. The
// stored form reads two, so a wide escape is stored as its character where that is printable.
std::size_t wide_hex_escape(std::u16string_view text, std::size_t pos, std::u16string& out) {
    if (pos + 2 >= text.size() || text[pos] != u'\\' || (text[pos + 1] != u'x' && text[pos + 1] != u'X')) return 0;
    std::uint32_t value = 0;
    std::size_t n = 0;
    for (; n < 4 && pos + 2 + n < text.size(); ++n) {
        const int digit = hex_digit_value(text[pos + 2 + n]);
        if (digit < 0) break;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    if (n == 0) return 0;
    if (value >= 0x20 && value != u'\\' && value != u'"') {
        out.push_back(static_cast<char16_t>(value));
    } else {
        out += u"\\x";
        out += hexadecimal(value & 0xFF, 2);
    }
    return 2 + n;
}

}  // namespace

Result<Scanned<std::u16string>> Lexer::string(std::size_t pos, char16_t delimiter) {
    pos = skip_blanks(pos);
    bool wide = at(pos) == u'L' && at(pos + 1) == delimiter;
    if (wide) ++pos;
    if (at(pos) != delimiter) return fail(pos, strings_.text(str::character_string_expected));
    std::size_t literal = pos++;
    std::u16string result;
    // Most texts are one literal without doubled quotes: room up to the next delimiter.
    if (const std::size_t close = text_.find(delimiter, pos); close != std::u16string_view::npos) {
        result.reserve(close - pos);
    }
    while (true) {
        // A literal must be closed on its line (continuations aside); reported where it opens.
        if (pos >= text_.size()) return fail(literal, strings_.text(str::end_of_file_in_string));
        // Plain characters go over in one piece.
        std::size_t plain = pos;
        while (plain < text_.size() && text_[plain] != delimiter && text_[plain] != u'\\' && text_[plain] != u'\n' &&
               text_[plain] != u'\r') {
            ++plain;
        }
        if (plain != pos) {
            result.append(text_.substr(pos, plain - pos));
            pos = plain;
            continue;
        }
        const char16_t c = text_[pos];
        if (wide) {
            if (const std::size_t n = wide_hex_escape(text_, pos, result)) {
                pos += n;
                continue;
            }
        }
        if (c == delimiter) {
            if (at(pos + 1) == delimiter) {
                result.push_back(delimiter);
                pos += 2;
                continue;
            }
            ++pos;
            // Adjacent literals, also on later lines and wide ones, continue the same text.
            std::size_t next = skip_blanks(pos);
            wide = at(next) == u'L' && at(next + 1) == delimiter;
            if (wide) ++next;
            if (at(next) != delimiter) break;
            literal = next;
            pos = next + 1;
            continue;
        }
        // A continuation drops the backslash and the line break; the next line's indentation
        // belongs to the text, as the C preprocessor that compilers run joins lines.
        if (const std::size_t n = continuation_length(text_, pos)) {
            pos += n;
            continue;
        }
        // An escaped quote (or backslash) stays an escape of the stored text and does not end it.
        if (c == u'\\' && (at(pos + 1) == delimiter || at(pos + 1) == u'\\')) {
            result.push_back(c);
            result.push_back(text_[pos + 1]);
            pos += 2;
            continue;
        }
        if (c == u'\n' || c == u'\r') return fail(literal, strings_.text(str::end_of_line_in_string));
        result.push_back(c);
        ++pos;
    }
    return Scanned<std::u16string>{std::move(result), pos};
}

Result<Scanned<std::u16string>> Lexer::quoted_text(std::size_t pos, char16_t open, char16_t close, bool escapes) {
    pos = skip_blanks(pos);
    const bool quotes = open == u'"' || open == u'\'';
    bool wide = quotes && at(pos) == u'L' && at(pos + 1) == open;
    if (wide) ++pos;
    if (at(pos) != open) return fail(pos, strings_.text(str::character_string_expected));
    ++pos;
    std::u16string result;
    while (true) {
        if (pos >= text_.size()) return fail(pos, strings_.text(str::end_of_file_in_string));
        const char16_t c = text_[pos];
        if (wide && !escapes) {
            if (const std::size_t n = wide_hex_escape(text_, pos, result)) {
                pos += n;
                continue;
            }
        }
        if (c == u'\n') return fail(pos, strings_.text(str::end_of_line_in_string));
        if (c == close) {
            if (close == u'"' && at(pos + 1) == u'"') {
                result.push_back(u'"');
                pos += 2;
                continue;
            }
            ++pos;
            std::size_t next = skip_blanks(pos);
            wide = quotes && at(next) == u'L' && at(next + 1) == open;
            if (wide) ++next;
            if (at(next) != open) break;
            pos = next + 1;
            continue;
        }
        if (escapes && c == u'\\') {
            if (const char16_t resolved = escape_character(at(pos + 1))) {
                result.push_back(resolved);
                pos += 2;
                continue;
            }
        }
        result.push_back(c);
        ++pos;
    }
    return Scanned<std::u16string>{std::move(result), pos};
}

Result<Scanned<Expression>> Lexer::evaluate(std::size_t pos, ExpressionKind kind) {
    const std::size_t start = skip_blanks(pos);
    auto evaluated = evaluator_.evaluate(text_, start, kind);
    if (!evaluated) return fail(evaluator_.failure_position(), evaluated.error());
    if (kind == ExpressionKind::style) not_mask_ = evaluated->not_mask;
    Expression expression{evaluated->value, text_.substr(start, evaluated->text_end - start)};
    return Scanned<Expression>{expression, evaluated->end};
}

Result<Scanned<Expression>> Lexer::expression(std::size_t pos) { return evaluate(pos, ExpressionKind::plain); }

namespace {

// Whether a 32-bit result fits a 16-bit field written from `low` (negative: as signed) to 65535.
bool fits_word(std::uint32_t value, std::int32_t low) {
    const auto as_signed = static_cast<std::int32_t>(value);
    return value <= 0xFFFFu || (as_signed < 0 && as_signed >= low);
}

}  // namespace

Result<Scanned<std::uint16_t>> Lexer::word_expression(std::size_t pos) {
    const std::size_t start = skip_blanks(pos);
    auto evaluated = evaluate(pos, ExpressionKind::plain);
    if (!evaluated) return Error{evaluated.error()};
    if (!fits_word(evaluated->value.value, -32768)) {
        return fail(start, value_out_of_range(evaluated->value.text, static_cast<std::int32_t>(evaluated->value.value),
                                              -32768, 65535));
    }
    return Scanned<std::uint16_t>{static_cast<std::uint16_t>(evaluated->value.value & 0xFFFFu), evaluated->end};
}

Result<Scanned<std::uint32_t>> Lexer::style_expression(std::size_t pos) {
    not_mask_ = 0;
    auto evaluated = evaluate(pos, ExpressionKind::style);
    if (!evaluated) return Error{evaluated.error()};
    return Scanned<std::uint32_t>{evaluated->value.value, evaluated->end};
}

bool Lexer::expanded_at(std::size_t pos) const {
    return positions_ != nullptr && positions_->mention_at(skip_blanks(pos)).has_value();
}

Result<Scanned<ItemId>> Lexer::item_id(std::size_t pos) {
    const std::size_t start = skip_blanks(pos);
    auto evaluated = evaluate(start, ExpressionKind::plain);
    if (!evaluated) return Error{evaluated.error()};
    ItemId id{evaluated->value.value, {}};
    std::optional<PositionMap::Mention> mention;
    if (positions_) mention = positions_->mention_at(start);
    // The macro names the item only if it still means the number the item got.
    if (mention && mentioned_value(*mention) == id.value) {
        id.name = mention->name;
    } else {
        id.name = evaluated->value.text;
    }
    return Scanned<ItemId>{std::move(id), optional_comma(evaluated->end)};
}

Result<Scanned<ItemId>> Lexer::word_item_id(std::size_t pos, std::int32_t low) {
    const std::size_t start = skip_blanks(pos);
    auto id = item_id(start);
    if (!id) return id;
    if (!fits_word(id->value.value, low)) {
        return fail(start, value_out_of_range(id->value.name, static_cast<std::int32_t>(id->value.value), low, 65535));
    }
    id->value.value &= 0xFFFFu;
    return id;
}

std::optional<std::uint32_t> Lexer::mentioned_value(const PositionMap::Mention& mention) {
    if (mentioned_values_.size() <= mention.index) {
        mentioned_values_.resize(positions_->name_count(), {Known::unknown, 0});
    }
    auto& known = mentioned_values_[mention.index];
    if (known.first == Known::unknown) {
        known.first = Known::failed;
        if (const std::u16string* value = macros_.value(mention.name)) {
            ExpressionEvaluator check(macros_, strings_, ReaderMode::parsing);
            if (auto evaluated = check.evaluate(*value, 0)) known = {Known::value, evaluated->value};
        }
    }
    if (known.first != Known::value) return std::nullopt;
    return known.second;
}

int Lexer::line_of(std::size_t pos) const {
    if (!line_feeds_ready_) {
        for (std::size_t i = 0; i < text_.size(); ++i) {
            if (text_[i] == u'\n') line_feeds_.push_back(i);
        }
        line_feeds_ready_ = true;
    }
    const auto before = std::lower_bound(line_feeds_.begin(), line_feeds_.end(), pos) - line_feeds_.begin();
    return static_cast<int>(before) + 1;
}

}  // namespace tavorin
