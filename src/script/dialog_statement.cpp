#include "script/statement_hooks.h"

namespace tavorin {

// Dialog bodies are not read yet: the reading ends with an error that names the statement.
Result<std::size_t> read_dialog(StatementContext& context, std::size_t pos) {
    return context.fail(pos, context.extended() ? u"DIALOGEX statements cannot be read in this version."
                                                : u"DIALOG statements cannot be read in this version.");
}

}  // namespace tavorin
