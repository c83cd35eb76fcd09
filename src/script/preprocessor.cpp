#include "script/preprocessor.h"

#include <algorithm>
#include <array>
#include <optional>

#include "services/string_ids.h"
#include "base/text.h"
#include "script/char_class.h"
#include "script/reader_messages.h"
#include "script/text_scan.h"

namespace tavorin {

namespace {

// One top-level identifier may not cause more expansions than this (nested ones included).
constexpr std::size_t max_expansions = 1'000'000;

std::size_t skip_blanks_and_continuations(std::u16string_view text, std::size_t pos) {
    while (pos < text.size()) {
        if (is_blank(text[pos])) {
            ++pos;
        } else if (const std::size_t n = continuation_length(text, pos)) {
            pos += n;
        } else {
            break;
        }
    }
    return pos;
}

// A definition's value: leading blanks dropped, each continuation turned into a line feed,
// trailing white space dropped.
std::u16string value_text(std::u16string_view rest) {
    std::size_t pos = skip_blanks_and_continuations(rest, 0);
    std::u16string value;
    value.reserve(rest.size() - pos);
    while (pos < rest.size()) {
        if (const std::size_t n = continuation_length(rest, pos)) {
            value.push_back(u'\n');
            pos += n;
        } else {
            value.push_back(rest[pos++]);
        }
    }
    while (!value.empty() && is_white(value.back())) value.pop_back();
    return value;
}

// Whether the word body[begin, end) stands next to a "##" operator.
bool is_paste_operand(std::u16string_view body, std::size_t begin, std::size_t end) {
    std::size_t after = end;
    while (after < body.size() && (body[after] == u' ' || body[after] == u'\t')) ++after;
    if (body.substr(after, 2) == u"##") return true;
    std::size_t before = begin;
    while (before > 0 && (body[before - 1] == u' ' || body[before - 1] == u'\t')) --before;
    return before >= 2 && body.substr(before - 2, 2) == u"##";
}

std::u16string_view trim(std::u16string_view text) {
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && is_white(text[b])) ++b;
    while (e > b && is_white(text[e - 1])) --e;
    return text.substr(b, e - b);
}

// The end of a quoted literal starting at `pos`, for texts that are only moved around: the next
// equal quote (included) or the line's end.
std::size_t literal_end(std::u16string_view text, std::size_t pos) {
    const char16_t quote = text[pos++];
    while (pos < text.size() && text[pos] != u'\n') {
        // An escaped quote or backslash stays inside the literal.
        if (text[pos] == u'\\' && pos + 1 < text.size() && (text[pos + 1] == quote || text[pos + 1] == u'\\')) {
            pos += 2;
            continue;
        }
        if (text[pos++] == quote) break;
    }
    return pos;
}

// Characters copied as they are: not a line feed, quote, digit or start of an identifier.
constexpr std::array<bool, 128> make_plain_table() {
    std::array<bool, 128> plain{};
    for (char16_t c = 0; c < 128; ++c) {
        plain[c] = c != u'\n' && c != u'"' && c != u'\'' && !is_ascii_digit(c) && !is_identifier_start(c);
    }
    return plain;
}
constexpr std::array<bool, 128> plain_table = make_plain_table();

bool is_plain(char16_t c) { return c < 128 ? plain_table[c] : !is_identifier_start(c); }

}  // namespace

Preprocessor::Preprocessor(DefinitionTables& tables, const UiStrings& strings, IncludeReader include_reader)
    : tables_(tables),
      strings_(strings),
      include_reader_(std::move(include_reader)),
      evaluator_(tables.macros, strings, ReaderMode::preprocessing) {}

ReadStatus Preprocessor::fail(std::u16string message) const {
    return ReadFailure{std::move(message), file_->path, line_, false};
}

bool Preprocessor::set_error(std::u16string message) {
    error_ = std::move(message);
    return false;
}

ReadStatus Preprocessor::preprocess(std::u16string_view text, const FileContext& file, PreprocessedOutput* output) {
    file_ = &file;
    output_ = output;
    line_ = 1;
    sections_.clear();
    active_macros_.clear();
    std::u16string* out = output ? &output->text : nullptr;
    if (out) out->reserve(out->size() + text.size() + text.size() / 4);

    const std::size_t n = text.size();
    std::size_t pos = 0;
    while (true) {
        // Leading blanks and line breaks; the output keeps every line break.
        for (; pos < n; ++pos) {
            const char16_t c = text[pos];
            if (c == u'\n') {
                ++line_;
                if (out) out->push_back(u'\n');
            } else if (c != u' ' && c != u'\t' && c != u'\r') {
                break;
            }
        }
        if (pos >= n) break;

        std::size_t line_end = 0;
        if (text[pos] == u'#') {
            if (output) output->directives.push_back(DirectiveMark{file.source_file, pos});
            line_end = logical_line_end(text, pos);
            if (ReadStatus status = directive(text, pos, line_end); !status) return status;
        } else if (skipping()) {
            line_end = std::min(text.find(u'\n', pos), n);
        } else if (!equ_definition(text, pos, line_end)) {
            if (!out) {
                pos = std::min(text.find(u'\n', pos), n);
            } else if (output->sources.copied(out->size(), file.source_file, pos, line_), !copy_ordinary(text, pos, *out, false)) {
                return fail(error_);
            }
            continue;
        }
        // Continued lines inside a directive or definition still count.
        const auto breaks = std::count(text.begin() + static_cast<std::ptrdiff_t>(pos),
                                       text.begin() + static_cast<std::ptrdiff_t>(line_end), u'\n');
        line_ += static_cast<int>(breaks);
        if (out) out->append(static_cast<std::size_t>(breaks), u'\n');
        pos = line_end;
    }
    if (!sections_.empty()) return fail(strings_.text(str::end_of_file_before_endif));
    return ReadStatus{};
}

ReadStatus Preprocessor::directive(std::u16string_view text, std::size_t hash, std::size_t line_end) {
    const std::size_t word_start = skip_blanks_and_tabs(text, hash + 1);
    std::size_t word_end = word_start;
    while (word_end < line_end && is_ascii_letter(text[word_end])) ++word_end;
    if (word_end < line_end && is_letter_or_digit(text[word_end])) return ReadStatus{};  // not a directive we know
    const std::u16string_view word = text.substr(word_start, word_end - word_start);
    const std::u16string_view rest = text.substr(word_end, line_end - word_end);

    if (word == u"ifdef" || word == u"ifndef" || word == u"if" || word == u"else" || word == u"elif" ||
        word == u"endif") {
        return conditional(word, rest);
    }
    if (skipping()) return ReadStatus{};
    if (word == u"include") return include(rest);
    if (word == u"define") return define(rest);
    // Headers found through the include search are read with this reader's predefined macros,
    // not a compiler's, so their #error lines may be ones no compiler reaches.
    if (word == u"error" && !file_->system) return fail(error_directive(trim(rest)));
    if (word == u"undef") {
        const std::size_t p = skip_blanks_and_continuations(rest, 0);
        tables_.macros.undefine(rest.substr(p, identifier_end(rest, p) - p));
    }
    // Any other directive (#pragma, #line ...) is passed over with its line.
    return ReadStatus{};
}

ReadStatus Preprocessor::conditional(std::u16string_view word, std::u16string_view rest) {
    if (word == u"if" || word == u"ifdef" || word == u"ifndef") {
        if (skipping()) {
            // Nested in a skipped branch: no branch of it is ever taken, nothing is evaluated.
            sections_.push_back(Section{true, true, false, true});
            return ReadStatus{};
        }
        bool condition = false;
        if (word == u"if") {
            if (ReadStatus status = evaluate_condition(rest, condition); !status) return status;
        } else {
            const std::size_t p = skip_blanks_and_continuations(rest, 0);
            const std::size_t e = identifier_end(rest, p);
            if (e == p) return fail(strings_.text(str::control_id_expected));
            condition = tables_.macros.is_defined(rest.substr(p, e - p)) == (word == u"ifdef");
        }
        sections_.push_back(Section{false, condition, false, !condition});
        return ReadStatus{};
    }

    if (sections_.empty()) return fail(directive_unexpected(strings_, u"#" + std::u16string(word)));
    Section& section = sections_.back();
    if (word == u"endif") {
        sections_.pop_back();
        return ReadStatus{};
    }
    if (section.in_else) return fail(strings_.text(str::endif_expected));
    if (word == u"else") {
        section.in_else = true;
        section.skipping = section.outer_skipping || section.taken;
        section.taken = true;
        return ReadStatus{};
    }
    // #elif
    if (section.outer_skipping || section.taken) {
        section.skipping = true;
        return ReadStatus{};
    }
    bool condition = false;
    if (ReadStatus status = evaluate_condition(rest, condition); !status) return status;
    section.taken = condition;
    section.skipping = !condition;
    return ReadStatus{};
}

ReadStatus Preprocessor::evaluate_condition(std::u16string_view rest, bool& value) {
    std::u16string expanded;
    bool has_calls = false;
    if (!expand_calls(rest, expanded, has_calls)) return fail(error_);
    const std::u16string_view condition = has_calls ? std::u16string_view(expanded) : rest;
    auto evaluated = evaluator_.evaluate(condition, 0);
    if (!evaluated) return fail(evaluated.error());
    if (evaluated->end < condition.size()) return fail(character_unexpected(strings_, condition[evaluated->end]));
    value = evaluated->value != 0;
    return ReadStatus{};
}

// The evaluator knows object-like macros only; the SDK headers guard whole files with calls of
// function-like ones (#if WINAPI_FAMILY_PARTITION(WINAPI_PARTITION_DESKTOP)). The operand of
// `defined` stays as written.
bool Preprocessor::expand_calls(std::u16string_view condition, std::u16string& out, bool& has_calls) {
    for (std::size_t i = 0; i < condition.size();) {
        const char16_t c = condition[i];
        if (c == u'"' || c == u'\'') {
            const std::size_t e = literal_end(condition, i);
            out.append(condition.substr(i, e - i));
            i = e;
            continue;
        }
        if (is_ascii_digit(c)) {
            std::size_t e = i + 1;
            while (e < condition.size() && is_letter_or_digit(condition[e])) ++e;
            out.append(condition.substr(i, e - i));
            i = e;
            continue;
        }
        if (!is_identifier_start(c)) {
            out.push_back(c);
            ++i;
            continue;
        }
        std::size_t e = identifier_end(condition, i);
        const std::u16string_view word = condition.substr(i, e - i);
        if (word == u"defined") {
            while (e < condition.size() && (condition[e] == u' ' || condition[e] == u'\t' || condition[e] == u'(')) ++e;
            e = identifier_end(condition, e);
        } else if (tables_.macros.lookup(word).function != nullptr) {
            const std::size_t paren = skip_blanks_and_tabs(condition, e);
            if (paren < condition.size() && condition[paren] == u'(') {
                has_calls = true;
                std::size_t p = i;
                if (!expand_identifier(condition, p, out, true)) return false;
                i = p;
                continue;
            }
        }
        out.append(condition.substr(i, e - i));
        i = e;
    }
    return true;
}

// #define NAME value | #define NAME(parameters) body
ReadStatus Preprocessor::define(std::u16string_view rest) {
    const std::size_t p = skip_blanks_and_continuations(rest, 0);
    const std::size_t name_end = identifier_end(rest, p);
    if (name_end == p) return fail(strings_.text(str::control_id_expected));
    const std::u16string_view name = rest.substr(p, name_end - p);

    if (name_end < rest.size() && rest[name_end] == u'(') {
        FunctionMacro macro;
        std::size_t q = name_end + 1;
        while (true) {
            q = skip_blanks_and_continuations(rest, q);
            if (q < rest.size() && rest[q] == u')' && macro.parameters.empty()) {
                ++q;
                break;
            }
            if (rest.substr(q, 3) == u"...") {
                macro.parameters.emplace_back(u"...");
                q += 3;
            } else {
                const std::size_t e = identifier_end(rest, q);
                if (e == q || is_ascii_digit(rest[q])) return fail(strings_.text(str::identifier_expected_in_arguments));
                macro.parameters.emplace_back(rest.substr(q, e - q));
                q = e;
            }
            q = skip_blanks_and_continuations(rest, q);
            if (q < rest.size() && rest[q] == u',') {
                ++q;
                continue;
            }
            if (q < rest.size() && rest[q] == u')') {
                ++q;
                break;
            }
            return fail(strings_.text(str::identifier_expected_in_arguments));
        }
        macro.body = value_text(rest.substr(q));
        tables_.macros.define_function(name, std::move(macro));
        return ReadStatus{};
    }

    define_object(name, value_text(rest.substr(name_end)));
    return ReadStatus{};
}

void Preprocessor::define_object(std::u16string_view name, std::u16string value) {
    if (value.empty()) {
        tables_.macros.define_empty(name, file_->system, file_->file_index);
    } else {
        tables_.macros.define(name, std::move(value), file_->system, file_->file_index);
    }
    if (const std::u16string* stored = tables_.macros.value(name)) note_special_name(name, *stored);
}

// Definitions of key and language names also fill the tables that name them.
void Preprocessor::note_special_name(std::u16string_view name, const std::u16string& value) {
    const bool key = starts_with(name, u"VK_");
    const bool language = starts_with(name, u"LANG_");
    const bool sublanguage = starts_with(name, u"SUBLANG_");
    if (!key && !language && !sublanguage) return;
    auto evaluated = evaluator_.evaluate(value, 0);
    if (!evaluated) return;
    if (key) {
        if (!evaluated->undeclared && evaluated->value <= 0xFFFF) {
            tables_.virtual_keys.add(name, static_cast<std::uint16_t>(evaluated->value));
        }
    } else if (tables_.language_name_defined && (sublanguage || !evaluated->undeclared)) {
        tables_.language_name_defined(name, evaluated->value);
    }
}

ReadStatus Preprocessor::include(std::u16string_view rest) {
    const std::size_t p = skip_blanks_and_tabs(rest, 0);
    if (p >= rest.size()) return ReadStatus{};
    const char16_t open = rest[p];
    const char16_t close = open == u'"' ? u'"' : open == u'<' ? u'>' : char16_t{0};
    if (close == 0) return ReadStatus{};  // #include MACRO and other forms are passed over
    const std::size_t e = rest.find(close, p + 1);
    if (e == std::u16string_view::npos) return fail(include_name_unclosed(trim(rest.substr(p)), close));
    ReadStatus status = include_reader_(rest.substr(p + 1, e - p - 1), open, close);
    // A failure the reader could not place in a file happened at this line.
    if (!status && !status.failure().stopped_by_user && status.failure().file.empty()) {
        return fail(status.failure().message);
    }
    return status;
}

// NAME equ VALUE: the assembler way of writing a definition. The name must be a whole
// identifier, so the line can only start with it.
bool Preprocessor::equ_definition(std::u16string_view text, std::size_t pos, std::size_t& line_end) {
    if (!is_identifier_start(text[pos]) && text[pos] != u'$') return false;
    const std::size_t name_end = identifier_end(text, pos);
    const std::size_t word = skip_blanks_and_tabs(text, name_end);
    if (word == name_end || word + 3 >= text.size()) return false;
    if ((text[word] | 0x20) != u'e' || (text[word + 1] | 0x20) != u'q' || (text[word + 2] | 0x20) != u'u' ||
        !is_blank(text[word + 3])) {
        return false;
    }
    line_end = logical_line_end(text, pos);
    define_object(text.substr(pos, name_end - pos), value_text(text.substr(word + 4, line_end - (word + 4))));
    return true;
}

bool Preprocessor::copy_ordinary(std::u16string_view text, std::size_t& pos, std::u16string& out, bool in_expansion) {
    const std::size_t n = text.size();
    while (pos < n) {
        const char16_t c = text[pos];
        if (c == u'\n') {
            // Inside an expansion a line break of a continued value is only a separator: the
            // output's line feeds are the source's.
            if (!in_expansion) return true;
            out.push_back(u' ');
            ++pos;
        } else if (c == u'"' || c == u'\'') {
            out.push_back(c);
            ++pos;
            while (pos < n) {
                // Plain characters go over in one piece.
                std::size_t plain = pos;
                while (plain < n && text[plain] != c && text[plain] != u'\\' && text[plain] != u'\n' &&
                       text[plain] != u'\r') {
                    ++plain;
                }
                if (plain != pos) {
                    out.append(text.substr(pos, plain - pos));
                    pos = plain;
                    continue;
                }
                const char16_t d = text[pos];
                if (d == c) {
                    out.push_back(d);
                    ++pos;
                    if (pos < n && text[pos] == c) {  // a doubled quote stays inside
                        out.push_back(c);
                        ++pos;
                        continue;
                    }
                    break;
                }
                if (d == u'\\' && pos + 1 < n && (text[pos + 1] == c || text[pos + 1] == u'\\')) {
                    out.append(text.substr(pos, 2));  // an escaped quote stays inside
                    pos += 2;
                    continue;
                }
                if (const std::size_t k = continuation_length(text, pos)) {
                    // The literal goes on on the next line; the parser joins the two.
                    out.append(text.substr(pos, k));
                    pos += k;
                    if (!in_expansion) ++line_;
                    continue;
                }
                if (line_break_length(text, pos) != 0) break;  // an unclosed literal ends with its line
                out.push_back(d);
                ++pos;
            }
        } else if (is_ascii_digit(c)) {
            // A number and any letters glued to it are copied unexpanded.
            std::size_t e = pos + 1;
            while (e < n && is_letter_or_digit(text[e])) ++e;
            out.append(text.substr(pos, e - pos));
            pos = e;
        } else if (is_identifier_start(c)) {
            if (!expand_identifier(text, pos, out, in_expansion)) return false;
        } else {
            std::size_t e = pos + 1;
            while (e < n && is_plain(text[e])) ++e;
            out.append(text.substr(pos, e - pos));
            pos = e;
        }
    }
    return true;
}

bool Preprocessor::enter_expansion(std::u16string_view name) {
    if (std::find(active_macros_.begin(), active_macros_.end(), name) != active_macros_.end()) {
        return set_error(recursive_macro(name));
    }
    if (active_macros_.size() >= static_cast<std::size_t>(max_expansion_depth)) return set_error(macros_too_deep(name));
    if (active_macros_.empty()) {
        expansion_count_ = 0;
        expansion_start_ = output_ ? output_->text.size() : 0;
    }
    if (++expansion_count_ > max_expansions) return set_error(expansion_too_large(name));
    active_macros_.push_back(name);
    return true;
}

bool Preprocessor::within_size(std::u16string_view name, const std::u16string& out) {
    const std::size_t start = output_ && &out == &output_->text ? expansion_start_ : 0;
    if (out.size() - std::min(start, out.size()) > max_expansion_size) return set_error(expansion_too_large(name));
    return true;
}

bool Preprocessor::expand_identifier(std::u16string_view text, std::size_t& pos, std::u16string& out,
                                     bool in_expansion) {
    const std::size_t start = pos;
    pos = identifier_end(text, pos);
    const std::u16string_view name = text.substr(start, pos - start);

    const MacroLookup macros = tables_.macros.lookup(name);
    if (macros.object == nullptr && macros.function == nullptr) {
        out.append(name);
        return true;
    }
    // A call in the script's own text: its value maps to the call, and the text after it to the
    // text after the call.
    const bool mapped = !in_expansion && output_ && &out == &output_->text;
    const std::size_t output_before = out.size();
    const int line_before = line_;
    const bool expanded = expand_macro(name, macros, text, pos, out, in_expansion);
    if (expanded && mapped && out.size() != output_before) {
        output_->sources.expanded(output_before, file_->source_file, start, pos, line_before);
        output_->sources.copied(out.size(), file_->source_file, pos, line_);
    }
    return expanded;
}

bool Preprocessor::expand_macro(std::u16string_view name, const MacroLookup& macros, std::u16string_view text,
                                std::size_t& pos, std::u16string& out, bool in_expansion) {
    if (const MacroEntry* macro = macros.object) {
        if (!enter_expansion(name)) return false;
        const std::u16string_view value = macro->value;
        std::size_t value_pos = 0;
        bool ok;
        if (!value.empty() && is_identifier_start(value[0]) && identifier_end(value, 0) == value.size()) {
            // A macro naming another macro: the inner one is expanded (and recorded) in turn.
            ok = copy_ordinary(value, value_pos, out, true);
        } else {
            // A number or an expression (IDM_OPEN + MENU_BASE): the whole value is this macro's,
            // so the macros inside it are not recorded.
            const bool records = output_ && &out == &output_->text && !inside_recorded_value_;
            if (records) output_->positions.record(out.size(), name, macro->serial);
            const bool was_inside = inside_recorded_value_;
            inside_recorded_value_ = inside_recorded_value_ || records;
            ok = copy_ordinary(value, value_pos, out, true);
            inside_recorded_value_ = was_inside;
            out.push_back(u' ');
        }
        ok = ok && within_size(name, out);
        active_macros_.pop_back();
        return ok;
    }
    if (const FunctionMacro* function = macros.function) {
        const std::size_t paren = skip_blanks_and_tabs(text, pos);
        if (paren < text.size() && text[paren] == u'(') {
            pos = paren;
            return expand_function(name, *function, text, pos, out, in_expansion);
        }
    }
    out.append(name);
    return true;
}

namespace {

// An argument as a string literal: quotes and backslashes inside its own literals are escaped.
std::u16string stringized(std::u16string_view argument) {
    std::u16string result(1, u'"');
    char16_t in_literal = 0;
    for (std::size_t i = 0; i < argument.size(); ++i) {
        const char16_t c = argument[i];
        if (in_literal != 0) {
            if (c == u'"' || c == u'\\') result.push_back(u'\\');
            result.push_back(c);
            if (c == u'\\' && i + 1 < argument.size()) {
                if (argument[i + 1] == u'"' || argument[i + 1] == u'\\') result.push_back(u'\\');
                result.push_back(argument[++i]);
            } else if (c == in_literal) {
                in_literal = 0;
            }
            continue;
        }
        if (c == u'"' || c == u'\'') {
            in_literal = c;
            if (c == u'"') result.push_back(u'\\');
        }
        result.push_back(c);
    }
    result.push_back(u'"');
    return result;
}

}  // namespace

bool Preprocessor::expand_function(std::u16string_view name, const FunctionMacro& macro, std::u16string_view text,
                                   std::size_t& pos, std::u16string& out, bool in_expansion) {
    if (!enter_expansion(name)) return false;
    struct Leave {
        std::vector<std::u16string_view>& active;
        ~Leave() { active.pop_back(); }
    } leave{active_macros_};

    // The arguments: split at commas outside parentheses and literals.
    std::vector<std::u16string> raw(1);
    int depth = 0;
    int line_breaks = 0;
    std::size_t p = pos + 1;
    while (true) {
        if (p >= text.size()) return set_error(strings_.text(str::right_parenthesis_expected));
        const char16_t c = text[p];
        if (c == u'"' || c == u'\'') {
            const std::size_t e = literal_end(text, p);
            raw.back().append(text.substr(p, e - p));
            p = e;
            continue;
        }
        ++p;
        if (c == u'(') {
            ++depth;
        } else if (c == u')') {
            if (depth == 0) break;
            --depth;
        } else if (c == u',' && depth == 0) {
            raw.emplace_back();
            continue;
        } else if (c == u'\n') {
            ++line_breaks;
            raw.back().push_back(u' ');
            continue;
        }
        raw.back().push_back(c);
    }
    pos = p;

    if (macro.parameters.empty() && raw.size() == 1 && trim(raw[0]).empty()) raw.clear();
    // Identifiers inside the arguments are expanded before they replace their parameters, but
    // only where the body uses them other than as an operand of "##".
    std::vector<std::optional<std::u16string>> expanded_arguments(raw.size());
    const auto argument = [&](std::size_t index) -> const std::u16string* {
        auto& expanded = expanded_arguments[index];
        if (!expanded) {
            std::u16string text;
            std::size_t ap = 0;
            if (!copy_ordinary(raw[index], ap, text, true)) return nullptr;
            expanded = std::u16string(trim(text));
        }
        return &*expanded;
    };

    const bool variadic = !macro.parameters.empty() && macro.parameters.back() == u"...";
    const std::size_t named = variadic ? macro.parameters.size() - 1 : macro.parameters.size();
    if (variadic ? raw.size() < named : raw.size() != named) {
        return set_error(strings_.text(str::incorrect_arguments_number));
    }
    std::u16string variable;
    for (std::size_t i = named; i < raw.size(); ++i) {
        if (i > named) variable.push_back(u',');
        const std::u16string* expanded = argument(i);
        if (expanded == nullptr) return false;
        variable += *expanded;
    }

    // The body with every parameter replaced by its argument; literals stay as they are.
    const std::u16string_view body = macro.body;
    std::u16string substituted;
    substituted.reserve(body.size());
    for (std::size_t i = 0; i < body.size();) {
        const char16_t c = body[i];
        if (c == u'"' || c == u'\'') {
            const std::size_t e = literal_end(body, i);
            substituted.append(body.substr(i, e - i));
            i = e;
        } else if (is_ascii_digit(c)) {
            std::size_t e = i + 1;
            while (e < body.size() && is_letter_or_digit(body[e])) ++e;
            substituted.append(body.substr(i, e - i));
            i = e;
        } else if (c == u'#' && i + 1 < body.size() && body[i + 1] == u'#') {
            // Token pasting: the operands join without the blanks around the operator.
            while (!substituted.empty() && (substituted.back() == u' ' || substituted.back() == u'\t')) {
                substituted.pop_back();
            }
            i += 2;
            while (i < body.size() && (body[i] == u' ' || body[i] == u'\t')) ++i;
            continue;
        } else if (c == u'#') {
            // Stringizing: "#param" gives the argument as written, in quotes.
            std::size_t p2 = i + 1;
            while (p2 < body.size() && (body[p2] == u' ' || body[p2] == u'\t')) ++p2;
            const std::size_t e = p2 < body.size() && is_identifier_start(body[p2]) ? identifier_end(body, p2) : p2;
            const std::u16string_view word = body.substr(p2, e - p2);
            const auto it = std::find(macro.parameters.begin(), macro.parameters.begin() + named, word);
            if (word.empty() || it == macro.parameters.begin() + named) {
                substituted.push_back(c);
                ++i;
                continue;
            }
            substituted += stringized(trim(raw[static_cast<std::size_t>(it - macro.parameters.begin())]));
            i = e;
        } else if (is_identifier_start(c)) {
            const std::size_t e = identifier_end(body, i);
            const std::u16string_view word = body.substr(i, e - i);
            const auto it = std::find(macro.parameters.begin(), macro.parameters.begin() + named, word);
            if (it != macro.parameters.begin() + named) {
                const auto index = static_cast<std::size_t>(it - macro.parameters.begin());
                // An operand of "##" is pasted as written: the SDK headers paste a name with its
                // A or W ending (WC_BUTTON ## W), and expanding the name first would recurse.
                if (is_paste_operand(body, i, e)) {
                    substituted.append(trim(raw[index]));
                } else {
                    const std::u16string* expanded = argument(index);
                    if (expanded == nullptr) return false;
                    substituted += *expanded;
                }
            } else if (variadic && word == u"__VA_ARGS__") {
                substituted += variable;
            } else {
                substituted.append(word);
            }
            i = e;
        } else {
            substituted.push_back(c);
            ++i;
        }
        if (substituted.size() > max_expansion_size) return set_error(expansion_too_large(name));
    }

    std::size_t sp = 0;
    if (!copy_ordinary(substituted, sp, out, true)) return false;
    out.push_back(u' ');
    if (!within_size(name, out)) return false;
    // Line breaks inside the call are kept after its expansion, so later lines keep their numbers.
    if (!in_expansion) {
        out.append(static_cast<std::size_t>(line_breaks), u'\n');
        line_ += line_breaks;
    }
    return true;
}

}  // namespace tavorin
