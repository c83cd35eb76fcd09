#include "script/statement_hooks.h"

namespace tavorin {

// Menu bodies are not read yet: the reading ends with an error that names the statement.
Result<std::size_t> read_menu(StatementContext& context, std::size_t pos) {
    return context.fail(pos, context.extended() ? u"MENUEX statements cannot be read in this version."
                                                : u"MENU statements cannot be read in this version.");
}

}  // namespace tavorin
