#include "script/expression.h"

#include <algorithm>

#include "services/string_ids.h"
#include "script/char_class.h"
#include "script/number_scan.h"
#include "script/reader_messages.h"
#include "script/text_scan.h"

namespace tavorin {

namespace {

// Two-operand levels from the lowest precedence to the highest; 0 is "no operator".
enum Level : int {
    none = 0,
    logical_or,
    logical_and,
    bitwise_or,
    bitwise_xor,
    bitwise_and,
    equality,
    relational,
    shift,
    additive,
    multiplicative,
};

struct Operator {
    int level = none;
    std::size_t length = 0;
    char16_t first = 0;
    char16_t second = 0;
};

}  // namespace

// One pass over one text: the expression itself, or the value of a macro it names.
class ExpressionParser {
public:
    ExpressionParser(ExpressionEvaluator& owner, std::u16string_view text, std::size_t pos, bool style, int depth)
        : owner_(owner), text_(text), pos_(pos), last_token_end_(pos), style_(style), depth_(depth) {}

    std::uint32_t conditional() {
        const std::uint32_t condition = binary(logical_or);
        if (failed_) return 0;
        skip();
        if (at(pos_) != u'?') return condition;
        ++pos_;
        // Each "?" nests its branches one level deeper.
        DepthGuard guard(*this);
        if (failed_) return 0;
        const bool outer = evaluating_;
        // Both branches are read; only the chosen one may fail on a division by zero.
        evaluating_ = outer && condition != 0;
        const std::uint32_t when_true = conditional();
        if (failed_) return 0;
        skip();
        if (at(pos_) != u':') return fail(character_expected(owner_.strings_, u':'));
        ++pos_;
        evaluating_ = outer && condition == 0;
        const std::uint32_t when_false = conditional();
        evaluating_ = outer;
        return condition != 0 ? when_true : when_false;
    }

    bool failed() const { return failed_; }
    const std::u16string& message() const { return message_; }
    std::size_t failure_position() const { return failure_position_; }
    std::size_t last_token_end() const { return last_token_end_; }
    bool undeclared() const { return undeclared_; }
    std::uint32_t not_mask() const { return not_mask_; }
    void set_evaluating(bool evaluating) { evaluating_ = evaluating; }

private:
    struct DepthGuard {
        explicit DepthGuard(ExpressionParser& p) : parser(p) {
            if (++parser.depth_ > ExpressionEvaluator::max_depth && !parser.failed_) {
                parser.fail(expression_too_deep());
            }
        }
        ~DepthGuard() { --parser.depth_; }
        ExpressionParser& parser;
    };

    char16_t at(std::size_t pos) const { return pos < text_.size() ? text_[pos] : char16_t{0}; }
    void skip() { pos_ = skip_white(text_, pos_); }

    std::uint32_t fail(std::u16string message) {
        if (!failed_) {
            failed_ = true;
            message_ = std::move(message);
            failure_position_ = pos_;
        }
        return 0;
    }

    Operator peek_operator() const {
        const char16_t c = at(pos_);
        const char16_t n = at(pos_ + 1);
        switch (c) {
            case u'|': return n == u'|' ? Operator{logical_or, 2, c, n} : Operator{bitwise_or, 1, c, 0};
            case u'&': return n == u'&' ? Operator{logical_and, 2, c, n} : Operator{bitwise_and, 1, c, 0};
            case u'^': return {bitwise_xor, 1, c, 0};
            case u'=': return n == u'=' ? Operator{equality, 2, c, n} : Operator{};
            case u'!': return n == u'=' ? Operator{equality, 2, c, n} : Operator{};
            case u'<':
            case u'>':
                if (n == c) return {shift, 2, c, n};
                if (n == u'=') return {relational, 2, c, n};
                return {relational, 1, c, 0};
            case u'+':
            case u'-': return {additive, 1, c, 0};
            case u'*':
            case u'/':
            case u'%': return {multiplicative, 1, c, 0};
            default: return {};
        }
    }

    std::uint32_t apply(const Operator& op, std::uint32_t a, std::uint32_t b) {
        switch (op.first) {
            case u'|': return op.second ? std::uint32_t(a != 0 || b != 0) : a | b;
            case u'&': return op.second ? std::uint32_t(a != 0 && b != 0) : a & b;
            case u'^': return a ^ b;
            case u'=': return a == b;
            case u'!': return a != b;
            case u'<':
                if (op.second == u'<') return a << (b % 32u);
                return op.second ? a <= b : a < b;
            case u'>':
                if (op.second == u'>') return a >> (b % 32u);
                return op.second ? a >= b : a > b;
            case u'+': return a + b;
            case u'-': return a - b;
            case u'*': return a * b;
            case u'/':
            case u'%':
                if (b == 0) return evaluating_ ? fail(division_by_zero()) : 0;
                return op.first == u'/' ? a / b : a % b;
            default: return 0;
        }
    }

    // Precedence climbing: operators of `min_level` and above, left-associative.
    std::uint32_t binary(int min_level) {
        std::uint32_t left = unary();
        while (!failed_) {
            skip();
            const Operator op = peek_operator();
            if (op.level == none || op.level < min_level) break;
            const std::size_t operator_position = pos_;
            pos_ += op.length;
            const bool outer = evaluating_;
            if (op.level == logical_and) evaluating_ = outer && left != 0;
            if (op.level == logical_or) evaluating_ = outer && left == 0;
            const std::uint32_t right = binary(op.level + 1);
            evaluating_ = outer;
            if (failed_) break;
            const std::size_t after = pos_;
            pos_ = operator_position;  // a division by zero is reported at its operator
            left = apply(op, left, right);
            if (!failed_) pos_ = after;
        }
        return left;
    }

    bool at_not_keyword() const {
        return style_ && not_operands_ == 0 && at(pos_) == u'N' && at(pos_ + 1) == u'O' && at(pos_ + 2) == u'T' &&
               is_white(at(pos_ + 3));
    }

    std::uint32_t unary() {
        DepthGuard guard(*this);
        if (failed_) return 0;
        skip();
        switch (at(pos_)) {
            case u'!': ++pos_; return unary() == 0 ? 1u : 0u;
            case u'+': ++pos_; return unary();
            case u'-': ++pos_; return 0u - unary();
            case u'~': ++pos_; return ~unary();
            default: break;
        }
        if (at_not_keyword()) {
            pos_ += 3;
            ++not_operands_;
            const std::uint32_t operand = unary();
            --not_operands_;
            not_mask_ |= operand;
            return operand;
        }
        return primary();
    }

    // A plain operand of a style expression takes its bits back from the NOT mask.
    void mention(std::uint32_t value) {
        if (style_ && not_operands_ == 0) not_mask_ &= ~value;
    }

    std::uint32_t primary() {
        skip();
        const char16_t c = at(pos_);
        if (c == u'(') {
            ++pos_;
            const std::uint32_t value = conditional();
            if (failed_) return 0;
            skip();
            if (at(pos_) != u')') return fail(owner_.strings_.text(str::right_parenthesis_expected));
            last_token_end_ = ++pos_;
            return value;
        }
        if (auto number = scan_number(text_, pos_)) {
            if (number->too_large) return fail(number_too_large(text_.substr(pos_, number->end - pos_)));
            last_token_end_ = pos_ = number->end;
            mention(number->value);
            return number->value;
        }
        if (is_identifier_start(c) || c == u'$') return identifier();
        return fail(owner_.strings_.text(str::integer_value_expected));
    }

    std::uint32_t identifier() {
        const std::size_t start = pos_;
        const std::size_t end = identifier_end(text_, pos_);
        const std::u16string_view name = text_.substr(start, end - start);
        const bool preprocessing = owner_.mode_ == ReaderMode::preprocessing;
        if (preprocessing && name == u"defined") {
            last_token_end_ = pos_ = end;
            return defined();
        }
        if (const MacroEntry* macro = owner_.macros_.find(name)) {
            const std::uint32_t value = macro_value(name, macro->value);
            if (failed_) {
                failure_position_ = start;
                return 0;
            }
            last_token_end_ = pos_ = end;
            mention(value);
            return value;
        }
        if (!preprocessing) return fail(undeclared_identifier(owner_.strings_, name));
        last_token_end_ = pos_ = end;
        undeclared_ = true;
        // A call of a function-like macro: its arguments are read and ignored.
        const std::size_t after = skip_white(text_, pos_);
        if (at(after) == u'(') {
            pos_ = after + 1;
            ignore_arguments();
        }
        return 0;
    }

    // `defined` NAME, `defined(NAME)`, with any number of parentheses.
    std::uint32_t defined() {
        int parentheses = 0;
        for (skip(); at(pos_) == u'('; skip()) {
            ++parentheses;
            ++pos_;
        }
        const std::size_t end = identifier_end(text_, pos_);
        if (end == pos_) return fail(owner_.strings_.text(str::control_id_expected));
        const bool is_defined = owner_.macros_.is_defined(text_.substr(pos_, end - pos_));
        last_token_end_ = pos_ = end;
        for (; parentheses > 0; --parentheses) {
            skip();
            if (at(pos_) != u')') return fail(owner_.strings_.text(str::right_parenthesis_expected));
            last_token_end_ = ++pos_;
        }
        return is_defined ? 1 : 0;
    }

    void ignore_arguments() {
        skip();
        if (at(pos_) == u')') {
            last_token_end_ = ++pos_;
            return;
        }
        while (!failed_) {
            conditional();
            if (failed_) return;
            skip();
            if (at(pos_) == u',') {
                ++pos_;
                continue;
            }
            if (at(pos_) != u')') {
                fail(owner_.strings_.text(str::right_parenthesis_expected));
                return;
            }
            last_token_end_ = ++pos_;
            return;
        }
    }

    std::uint32_t macro_value(std::u16string_view name, std::u16string_view value) {
        auto& active = owner_.active_macros_;
        if (std::find(active.begin(), active.end(), name) != active.end()) return fail(recursive_macro(name));
        // The value's own operand is one level below the macro's.
        if (depth_ + 2 > ExpressionEvaluator::max_depth) return fail(macros_too_deep(name));
        active.push_back(name);
        ExpressionParser inner(owner_, value, 0, false, depth_ + 1);
        inner.evaluating_ = evaluating_;
        const std::uint32_t result = inner.conditional();
        active.pop_back();
        undeclared_ = undeclared_ || inner.undeclared_;
        if (inner.failed_) return fail(inner.message_);
        return result;
    }

    ExpressionEvaluator& owner_;
    std::u16string_view text_;
    std::size_t pos_;
    std::size_t last_token_end_;
    bool style_;
    int depth_;
    int not_operands_ = 0;  // inside the operand of a NOT
    bool evaluating_ = true;
    bool undeclared_ = false;
    std::uint32_t not_mask_ = 0;
    bool failed_ = false;
    std::u16string message_;
    std::size_t failure_position_ = 0;
};

namespace {

// Characters that can follow an operand within an expression.
bool continues_expression(char16_t c) {
    switch (c) {
        case u'|': case u'&': case u'^': case u'=': case u'!': case u'<': case u'>':
        case u'+': case u'-': case u'*': case u'/': case u'%': case u'?':
            return true;
        default:
            return false;
    }
}

}  // namespace

Result<ExpressionValue> ExpressionEvaluator::evaluate(std::u16string_view text, std::size_t pos, ExpressionKind kind) {
    pos = skip_white(text, pos);
    // Most expressions in a script are a lone number (a coordinate, an id the preprocessor
    // expanded): no need for the whole machinery.
    if (auto number = scan_number(text, pos)) {
        if (number->too_large) {
            failure_position_ = pos;
            return Error{number_too_large(text.substr(pos, number->end - pos))};
        }
        const std::size_t end = skip_white(text, number->end);
        if (end >= text.size() || !continues_expression(text[end])) {
            ExpressionValue result;
            result.value = number->value;
            result.text_end = number->end;
            result.end = end;
            return result;
        }
    }
    active_macros_.clear();
    ExpressionParser parser(*this, text, pos, kind == ExpressionKind::style, 0);
    const std::uint32_t value = parser.conditional();
    if (parser.failed()) {
        failure_position_ = parser.failure_position();
        return Error{parser.message()};
    }
    ExpressionValue result;
    result.value = value;
    result.text_end = parser.last_token_end();
    result.end = skip_white(text, result.text_end);
    result.undeclared = parser.undeclared();
    result.not_mask = parser.not_mask();
    return result;
}

}  // namespace tavorin
