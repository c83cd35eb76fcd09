#include "script/statement_hooks.h"

namespace tavorin {

// Toolbar bodies are not read yet: the reading ends with an error that names the statement.
Result<std::size_t> read_toolbar(StatementContext& context, std::size_t pos) {
    return context.fail(pos, u"TOOLBAR statements cannot be read in this version.");
}

}  // namespace tavorin
