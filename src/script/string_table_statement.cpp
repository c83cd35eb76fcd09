#include "script/string_table_statement.h"

#include "services/string_ids.h"
#include "base/escapes.h"
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
    Workspace& workspace = loop.workspace();
    Lexer& lexer = loop.lexer();
    // LANGUAGE statements after the keyword choose the table, as compilers read them; the
    // statement loop restores the script's language afterwards.
    auto after_languages = loop.read_language_statements(pos);
    if (!after_languages) return after_languages;
    StringTable& table = string_table_for(workspace, loop.language());
    auto after_begin = lexer.begin(*after_languages);
    if (!after_begin) return after_begin;
    pos = *after_begin;

    while (!at_block_end(lexer, pos)) {
        if (lexer.at_end(lexer.skip_blanks(pos))) return lexer.end(pos);
        const std::size_t entry_start = lexer.skip_blanks(pos);
        auto id = lexer.word_item_id(pos, 0);
        if (!id) return Error{id.error()};
        const auto value = static_cast<std::uint16_t>(id->value.value);
        const std::size_t text_start = lexer.skip_blanks(id->end);
        auto text = lexer.string(text_start);
        if (!text) return Error{text.error()};
        // The compiled table keeps each length in one word (escapes only make a text shorter).
        if (text->value.size() > 0xFFFF && unescape_stored_text(text->value).size() > 0xFFFF) {
            return loop.fail(text_start, u"A string is longer than 65535 characters.");
        }
        pos = text->end;

        const std::u16string& name = id->value.name;
        // A repeated id would make two strings compete for one slot of the compiled table:
        // the later one is read but dropped.
        if (table.find(name) || table.uses_value(value)) {
            workspace.log().warning(workspace.text(str::duplicate_string_id));
            continue;
        }
        loop.note_string(name, text->value, value, entry_start, text_start, text->end);
        table.insert_entry(table.size(), StringEntry{std::move(id->value.name), std::move(text->value)}, value);
    }
    return lexer.end(pos);
}

}  // namespace tavorin
