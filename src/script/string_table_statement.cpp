#include "script/string_table_statement.h"

#include "app/string_ids.h"
#include "resources/stringtable/string_table.h"
#include "script/statement_reader.h"

namespace tavorin {

namespace {

bool at_block_end(Lexer& lexer, std::size_t pos) {
    pos = lexer.skip_blanks(pos);
    return lexer.at(pos) == u'}' || lexer.keyword(pos, u"END").has_value();
}

}  // namespace

Result<std::size_t> read_string_table(StatementLoop& loop, std::size_t pos) {
    Session& session = loop.session();
    Lexer& lexer = loop.lexer();
    // LANGUAGE statements after the keyword choose the table, as compilers read them; the
    // statement loop restores the script's language afterwards.
    auto after_languages = loop.read_language_statements(pos);
    if (!after_languages) return after_languages;
    StringTable& table = string_table_for(session, loop.language());
    auto after_begin = lexer.begin(*after_languages);
    if (!after_begin) return after_begin;
    pos = *after_begin;

    while (!at_block_end(lexer, pos)) {
        if (lexer.at_end(lexer.skip_blanks(pos))) return lexer.end(pos);
        auto id = lexer.item_id(pos);
        if (!id) return Error{id.error()};
        const auto value = static_cast<std::uint16_t>(id->value.value);
        auto text = lexer.string(id->end);
        if (!text) return Error{text.error()};
        pos = text->end;

        const std::u16string& name = id->value.name;
        // A repeated id would make two strings compete for one slot of the compiled table:
        // the later one is read but dropped.
        if (table.find(name) || table.uses_value(value)) {
            session.log().warning(session.text(str::duplicate_string_id));
            continue;
        }
        table.insert_entry(table.size(), StringEntry{name, std::move(text->value)}, value);
    }
    return lexer.end(pos);
}

}  // namespace tavorin
