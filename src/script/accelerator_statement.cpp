#include "script/accelerator_statement.h"

#include <optional>

#include "services/string_ids.h"
#include "resources/accelerator/accelerator_table.h"
#include "script/char_class.h"
#include "script/reader_messages.h"
#include "script/statement_reader.h"

namespace tavorin {

namespace {

struct Event {
    std::uint16_t key = 0;
    bool quoted = false;
    bool control = false;  // "^" inside the quotes
    // A key name of the virtual-key table that no header defined as a macro.
    std::optional<std::u16string> key_name;
};

// "c", "^c", a virtual-key name, or an expression whose low 16 bits are the key.
Result<Scanned<Event>> read_event(StatementLoop& loop, std::size_t pos) {
    Lexer& lexer = loop.lexer();
    pos = lexer.skip_blanks(pos);
    Event event;
    if (lexer.at(pos) == u'"') {
        event.quoted = true;
        ++pos;
        if (lexer.at(pos) == u'^') {
            event.control = true;
            ++pos;
        }
        if (lexer.at_end(pos)) return loop.fail(pos, character_expected(loop.workspace().strings(), u'"'));
        event.key = lexer.at(pos);
        if (lexer.at(pos + 1) != u'"') return loop.fail(pos + 1, character_expected(loop.workspace().strings(), u'"'));
        return Scanned<Event>{event, pos + 2};
    }
    // Key names need no header: the virtual-key table knows them.
    std::size_t end = pos;
    while (is_identifier_char(lexer.at(end))) ++end;
    if (end > pos && is_identifier_start(lexer.at(pos))) {
        const std::u16string_view name = lexer.text().substr(pos, end - pos);
        if (!loop.macros().is_defined(name)) {
            if (const auto code = loop.virtual_keys().code_of(name)) {
                event.key = *code;
                event.key_name = std::u16string(name);
                return Scanned<Event>{event, end};
            }
        }
    }
    auto key = lexer.word_expression(pos);
    if (!key) return Error{key.error()};
    event.key = key->value;
    return Scanned<Event>{event, key->end};
}

bool is_lower_case_letter(char16_t c) { return c >= u'a' && c <= u'z'; }

AcceleratorKey virtual_key(const Event& event, const VirtualKeyNames& names) {
    if (event.key_name) return AcceleratorKey::named(*event.key_name, event.key);
    if (event.quoted && event.key >= u'A' && event.key <= u'Z') return AcceleratorKey::letter(event.key);
    return AcceleratorKey::virtual_code(event.key, names);
}

}  // namespace

Result<std::size_t> read_accelerators(StatementLoop& loop, std::size_t pos) {
    Lexer& lexer = loop.lexer();
    auto after_languages = loop.read_language_statements(pos);
    if (!after_languages) return after_languages;
    auto after_begin = lexer.begin(*after_languages);
    if (!after_begin) return after_begin;
    pos = *after_begin;
    AcceleratorTable& table = loop.start_resource(std::make_unique<AcceleratorTable>(loop.workspace().symbols()));

    for (;;) {
        const std::size_t next = lexer.skip_blanks(pos);
        if (lexer.at(next) == u'}' || lexer.keyword(next, u"END") || lexer.at_end(next)) break;

        auto event = read_event(loop, next);
        if (!event) return Error{event.error()};
        auto after_comma = lexer.expect(event->end, u',');
        if (!after_comma) return Error{after_comma.error()};
        auto id = lexer.item_id(*after_comma);
        if (!id) return Error{id.error()};
        pos = id->end;

        bool alt = false, shift = false, control = event->value.control, virtual_key_flag = false, no_invert = false;
        // Options follow the comma that item_id has read; a word that is no option ends them.
        for (;;) {
            const std::size_t option = lexer.skip_blanks(pos);
            std::optional<std::size_t> after;
            if ((after = lexer.keyword(option, u"NOINVERT"))) {
                no_invert = true;
            } else if ((after = lexer.keyword(option, u"ALT"))) {
                alt = true;
            } else if ((after = lexer.keyword(option, u"SHIFT"))) {
                shift = true;
            } else if ((after = lexer.keyword(option, u"CONTROL"))) {
                control = true;
            } else if ((after = lexer.keyword(option, u"ASCII"))) {
                virtual_key_flag = false;
            } else if ((after = lexer.keyword(option, u"VIRTKEY"))) {
                virtual_key_flag = true;
            } else {
                break;
            }
            pos = *after;
            const std::size_t comma = lexer.skip_blanks(pos);
            if (lexer.at(comma) != u',') break;
            pos = comma + 1;
        }

        if (virtual_key_flag && event->value.quoted && is_lower_case_letter(event->value.key)) {
            return loop.fail(next, loop.workspace().text(str::virtkey_incompatible_with_event));
        }
        const auto value = static_cast<std::uint16_t>(id->value.value);
        AcceleratorEntry entry{id->value.name, AcceleratorKey::character(event->value.key), alt, control, shift, no_invert};
        if (virtual_key_flag) entry.key = virtual_key(event->value, loop.virtual_keys());
        table.insert_entry(table.size(), std::move(entry), value);
    }
    return lexer.end(pos);
}

}  // namespace tavorin
