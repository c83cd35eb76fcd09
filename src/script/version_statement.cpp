#include "script/statement_hooks.h"

namespace tavorin {

// Version information is not read yet: the reading ends with an error that names the statement.
Result<std::size_t> read_version_information(StatementContext& context, std::size_t pos) {
    return context.fail(pos, u"VERSIONINFO statements cannot be read in this version.");
}

}  // namespace tavorin
