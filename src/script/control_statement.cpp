// The control statements of a dialog: the generic CONTROL form and the short forms.

#include "script/control_statement.h"

#include "model/workspace.h"
#include "base/text.h"
#include "dialog/deduce_kind.h"
#include "dialog/dialog.h"
#include "dialog/short_statements.h"
#include "dialog/window_styles.h"
#include "script/char_class.h"
#include "script/inline_data.h"
#include "script/lexer.h"
#include "script/reader_messages.h"
#include "script/statement_hooks.h"

namespace tavorin {

namespace {

// The template's count word holds it, and a classic template counts the word itself.
constexpr std::size_t max_creation_data = 0xFFFD;

constexpr std::u16string_view bare_classes[] = {u"Static", u"ComboBox", u"Edit", u"Button", u"ListBox"};

bool at_string(Lexer& lexer, std::size_t pos) {
    pos = lexer.skip_blanks(pos);
    return lexer.at(pos) == u'"' || (lexer.at(pos) == u'L' && lexer.at(pos + 1) == u'"');
}

// The optional comma before a further field: true (and the position after it) when one is there.
std::optional<std::size_t> comma(Lexer& lexer, std::size_t pos) {
    pos = lexer.skip_blanks(pos);
    if (lexer.at(pos) != u',') return std::nullopt;
    return pos + 1;
}

// A control's text given without quotes: a number, or a macro standing for one, is an image by
// ordinal; any other name is the image's name.
struct UnquotedText {
    std::u16string text;
    std::optional<std::uint16_t> ordinal;
    bool is_name = false;
    std::size_t end = 0;
};

// The macro's name comes back through the position map, as for an item id.
Result<UnquotedText> read_unquoted_text(Lexer& lexer, std::size_t pos) {
    const std::size_t start = lexer.skip_blanks(pos);
    if (auto value = lexer.item_id(start)) {
        return UnquotedText{std::move(value->value.name), static_cast<std::uint16_t>(value->value.value), false,
                            value->end};
    }
    auto name = lexer.identifier(start);
    if (!name) return Error{name.error()};
    return UnquotedText{std::u16string(name->value), std::nullopt, true, lexer.optional_comma(name->end)};
}

// Reads x, y, width, height; `commas_required` for the CONTROL form.
Result<std::size_t> read_rectangle(Lexer& lexer, std::size_t pos, ControlRecord& record, bool commas_required) {
    std::int32_t* fields[] = {&record.x, &record.y, &record.width, &record.height};
    for (std::size_t i = 0; i < 4; ++i) {
        if (i > 0) {
            if (commas_required) {
                auto after = lexer.expect(pos, u',');
                if (!after) return Error{after.error()};
                pos = *after;
            } else {
                pos = lexer.optional_comma(pos);
            }
        }
        auto value = lexer.expression(pos);
        if (!value) return Error{value.error()};
        *fields[i] = static_cast<std::int32_t>(value->value.value);
        pos = value->end;
    }
    return pos;
}

class ControlReader {
public:
    ControlReader(StatementContext& context, Dialog& dialog)
        : context_(context), lexer_(context.lexer()), workspace_(context.workspace()), dialog_(dialog) {}

    Result<std::size_t> read_body(std::size_t pos);

private:
    Result<std::size_t> read_short_form(const ShortStatement& statement, std::size_t pos);
    Result<std::size_t> read_generic_form(std::size_t pos);
    Result<std::size_t> read_short_text(std::size_t pos, ControlRecord& record);
    Result<std::size_t> read_class(std::size_t pos, std::u16string& class_name, bool& literal);
    Result<std::size_t> read_icon_position(std::size_t pos, ControlRecord& record);
    Result<std::size_t> add(std::size_t pos, ControlRecord record);
    void register_image_name(const std::u16string& name);
    // The statement between `start` and `next`, without the blanks and line ends after it.
    void note_part(std::size_t start, std::size_t next) {
        const std::u16string_view text = lexer_.text();
        while (next > start && (text[next - 1] == u' ' || text[next - 1] == u'\t' || text[next - 1] == u'\r' || text[next - 1] == u'\n')) --next;
        context_.note_statement_part(start, next);
    }

    StatementContext& context_;
    Lexer& lexer_;
    Workspace& workspace_;
    Dialog& dialog_;
    std::uint32_t help_id_ = 0;  // of the statement being read
};

Result<std::size_t> ControlReader::read_body(std::size_t pos) {
    for (;;) {
        const std::size_t start = lexer_.skip_blanks(pos);
        // A keyword is the whole word there, in any letter case: the word is found once and
        // compared with the keywords of its length.
        std::size_t word_end = start;
        while (is_letter_or_digit(lexer_.at(word_end))) ++word_end;
        const std::u16string_view word = lexer_.text().substr(start, word_end - start);
        const auto is_keyword = [&](std::u16string_view keyword) {
            return word.size() == keyword.size() && equals_ignore_case(word, keyword);
        };
        if (is_keyword(u"CONTROL")) {
            auto next = read_generic_form(word_end);
            if (!next) return next;
            note_part(start, *next);
            pos = *next;
            continue;
        }
        const ShortStatement* matched = nullptr;
        if (!word.empty()) {
            for (const ShortStatement& statement : short_statements()) {
                if (is_keyword(statement.keyword)) {
                    matched = &statement;
                    break;
                }
            }
        }
        if (matched != nullptr) {
            auto next = read_short_form(*matched, word_end);
            if (!next) return next;
            note_part(start, *next);
            pos = *next;
            continue;
        }
        if (lexer_.at_end(start)) return lexer_.end(start);
        if (lexer_.at(start) == u'}') return start + 1;
        if (auto after = lexer_.keyword(start, u"END")) return *after;

        const char16_t c = lexer_.at(start);
        if (is_letter_or_digit(c)) return context_.fail(start, workspace_.text(str::unknown_dialog_statement));
        return context_.fail(start, u"'" + std::u16string(1, c) + u"'" + workspace_.text(str::unexpected));
    }
}

// The text of a short statement: a string, an image by ordinal, or an image's name.
Result<std::size_t> ControlReader::read_short_text(std::size_t pos, ControlRecord& record) {
    if (at_string(lexer_, pos)) {
        auto text = lexer_.string(pos);
        if (!text) return Error{text.error()};
        record.text = std::move(text->value);
        return lexer_.optional_comma(text->end);
    }
    auto text = read_unquoted_text(lexer_, pos);
    if (!text) return Error{text.error()};
    if (text->is_name) register_image_name(text->text);
    record.text = std::move(text->text);
    record.text_ordinal = text->ordinal;
    return text->end;
}

// An icon named by a word that is no macro is an icon resource's string name. Several controls
// may show the same icon, and its ICON statement may come later in the script.
void ControlReader::register_image_name(const std::u16string& name) {
    workspace_.symbols().note_string_name(name);
}

// KEYWORD [text,] id, x, y, width, height [, style [, extended style]]; the commas before the
// style are optional.
Result<std::size_t> ControlReader::read_short_form(const ShortStatement& statement, std::size_t pos) {
    ControlRecord record;
    record.kind = statement.kind;
    if (statement.has_text) {
        auto after = read_short_text(pos, record);
        if (!after) return after;
        pos = *after;
    }
    auto id = lexer_.item_id(pos);
    if (!id) return Error{id.error()};
    record.identifier = std::move(id->value.name);
    record.identifier_value = static_cast<std::int32_t>(id->value.value);
    record.style = statement.default_style;
    if (statement.kind == ControlKind::picture) {
        auto after_position = read_icon_position(id->end, record);
        if (!after_position) return after_position;
        if (!comma(lexer_, *after_position)) return add(*after_position, record);
        pos = *after_position;
    } else {
        auto after_rect = read_rectangle(lexer_, id->end, record, false);
        if (!after_rect) return after_rect;
        pos = *after_rect;
    }

    if (auto after = comma(lexer_, pos)) {
        auto style = lexer_.style_expression(*after);
        if (!style) return Error{style.error()};
        record.style = (statement.style_with_list | style->value) & ~lexer_.not_mask();
        pos = style->end;
        if (auto after_style = comma(lexer_, pos)) {
            auto extended = lexer_.style_expression(*after_style);
            if (!extended) return Error{extended.error()};
            record.extended_style = extended->value & ~lexer_.not_mask();
            pos = extended->end;
            // DIALOGEX controls may name a help id last.
            if (auto after_extended = comma(lexer_, pos)) {
                auto help_id = lexer_.expression(*after_extended);
                if (!help_id) return Error{help_id.error()};
                help_id_ = help_id->value.value;
                pos = help_id->end;
            }
        }
    }
    return add(pos, record);
}

// ICON text, id, x, y [, width, height [, style [, extended style]]]: an icon control takes
// the size of its icon, so compilers store the size as 0 whatever is written.
Result<std::size_t> ControlReader::read_icon_position(std::size_t pos, ControlRecord& record) {
    std::int32_t* fields[] = {&record.x, &record.y, &record.width, &record.height};
    for (std::size_t i = 0; i < 4; ++i) {
        if (i == 2 && !comma(lexer_, pos)) return pos;
        if (i > 0) pos = lexer_.optional_comma(pos);
        auto value = lexer_.expression(pos);
        if (!value) return Error{value.error()};
        *fields[i] = i < 2 ? static_cast<std::int32_t>(value->value.value) : 0;
        pos = value->end;
    }
    return pos;
}

// "text", or one of the bare words Static, ComboBox, Edit, Button and ListBox.
Result<std::size_t> ControlReader::read_class(std::size_t pos, std::u16string& class_name, bool& literal) {
    pos = lexer_.skip_blanks(pos);
    if (at_string(lexer_, pos)) {
        auto text = lexer_.quoted_text(pos);
        if (!text) return Error{text.error()};
        class_name = std::move(text->value);
        // A literal names the class; a symbolic name (WC_BUTTON) stands for the predefined one.
        literal = !lexer_.expanded_at(pos);
        return text->end;
    }
    for (std::u16string_view bare : bare_classes) {
        if (auto after = lexer_.keyword(pos, bare)) {
            class_name = std::u16string(bare);
            return *after;
        }
    }
    return context_.fail(pos, workspace_.text(str::character_string_expected));
}

// CONTROL text, id, class, style, x, y, width, height [, extended style [, help id]]
Result<std::size_t> ControlReader::read_generic_form(std::size_t pos) {
    ControlRecord record;
    if (at_string(lexer_, pos)) {
        auto text = lexer_.string(pos);
        if (!text) return Error{text.error()};
        record.text = std::move(text->value);
        pos = text->end;
    } else {
        auto text = read_unquoted_text(lexer_, pos);
        if (!text) return Error{text.error()};
        record.text = std::move(text->text);
        record.text_ordinal = text->ordinal;
        pos = text->end;
    }
    pos = lexer_.optional_comma(pos);

    auto id = lexer_.item_id(pos);
    if (!id) return Error{id.error()};
    record.identifier = std::move(id->value.name);
    record.identifier_value = static_cast<std::int32_t>(id->value.value);

    std::u16string class_name;
    bool literal_class = false;
    auto after_class = read_class(id->end, class_name, literal_class);
    if (!after_class) return after_class;
    auto after_comma = lexer_.expect(*after_class, u',');
    if (!after_comma) return Error{after_comma.error()};
    auto style = lexer_.style_expression(*after_comma);
    if (!style) return Error{style.error()};
    record.style = (ws::child_visible | style->value) & ~lexer_.not_mask();

    record.kind = deduce_kind(class_name, record.style);
    if (record.kind == ControlKind::undecided) {
        return context_.fail(lexer_.skip_blanks(*after_comma), workspace_.text(str::control_type_not_deduced));
    }
    // Class names do not depend on letter case; resource compilers store a script's in capitals.
    if (record.kind == ControlKind::custom) record.class_name = to_ascii_upper(class_name);
    // A class written in quotes, even a predefined one, is stored by name as spelled, as the
    // resource compilers store it.
    if (record.kind != ControlKind::custom && literal_class) record.class_name = std::move(class_name);

    auto rect_comma = lexer_.expect(style->end, u',');
    if (!rect_comma) return Error{rect_comma.error()};
    auto after_rect = read_rectangle(lexer_, *rect_comma, record, true);
    if (!after_rect) return after_rect;
    pos = *after_rect;

    if (auto after = comma(lexer_, pos)) {
        auto extended = lexer_.style_expression(*after);
        if (!extended) return Error{extended.error()};
        record.extended_style = extended->value & ~lexer_.not_mask();
        pos = extended->end;
        if (auto after_extended = comma(lexer_, pos)) {
            auto help_id = lexer_.expression(*after_extended);
            if (!help_id) return Error{help_id.error()};
            help_id_ = help_id->value.value;
            pos = help_id->end;
        }
    }
    return add(pos, record);
}

// A block of values after the statement is the control's creation data.
Result<std::size_t> ControlReader::add(std::size_t pos, ControlRecord record) {
    if (inline_data_follows(lexer_, pos)) {
        Platform& platform = workspace_.platform();
        auto data = read_inline_data(lexer_, pos, [&](std::u16string_view text) { return platform.text_to_ansi(text); });
        if (!data) return Error{data.error()};
        if (data->value.size() > max_creation_data) {
            return context_.fail(lexer_.skip_blanks(pos), workspace_.text(str::creation_data_too_long));
        }
        record.creation_data = std::move(data->value);
        pos = data->end;
    }
    auto added = dialog_.add_control(record);
    if (!added) return context_.fail(pos, added.error());
    if (*added != nullptr) (*added)->set_help_id(help_id_);
    help_id_ = 0;
    return pos;
}

}  // namespace

Result<std::size_t> read_control_statements(StatementContext& context, Dialog& dialog, std::size_t pos) {
    return ControlReader(context, dialog).read_body(pos);
}

}  // namespace tavorin
