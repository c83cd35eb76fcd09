// TOOLBAR statements:
//
//     name TOOLBAR [LANGUAGE ...] width, height
//     BEGIN
//         BUTTON      ID_FILE_NEW
//         SEPARATOR
//     END

#include "model/workspace.h"
#include "resources/toolbar/toolbar.h"
#include "script/item_id_name.h"
#include "script/lexer.h"
#include "script/statement_hooks.h"

namespace tavorin {

Result<std::size_t> read_toolbar(StatementContext& context, std::size_t pos) {
    Lexer& lexer = context.lexer();
    auto after_languages = context.read_language_statements(pos);
    if (!after_languages) return after_languages;
    auto width = lexer.expression(*after_languages);
    if (!width) return Error{width.error()};
    auto comma = lexer.expect(width->end, u',');
    if (!comma) return Error{comma.error()};
    auto height = lexer.expression(*comma);
    if (!height) return Error{height.error()};
    auto begun = lexer.begin(height->end);
    if (!begun) return begun;

    Toolbar& toolbar = context.start_resource(std::make_unique<Toolbar>(context.workspace().symbols()));
    toolbar.set_button_size(width->value.value, height->value.value);
    pos = *begun;
    while (true) {
        if (const auto button = lexer.keyword(pos, u"BUTTON")) {
            auto id = lexer.word_item_id(*button);
            if (!id) return Error{id.error()};
            const std::uint32_t value = id->value.value;
            toolbar.add_button(item_id_name(id->value, value), static_cast<std::int32_t>(value));
            pos = id->end;
        } else if (const auto separator = lexer.keyword(pos, u"SEPARATOR")) {
            toolbar.add_separator();
            pos = *separator;
        } else {
            return lexer.end(pos);
        }
    }
}

}  // namespace tavorin
