#pragma once

#include <cstddef>

#include "base/result.h"

namespace tavorin {

class StatementLoop;

// STRINGTABLE [LANGUAGE ...] BEGIN id [,] "text" ... END, into the string table of the
// language current at the keyword. `pos` is after the keyword.
Result<std::size_t> read_string_table(StatementLoop& loop, std::size_t pos);

}  // namespace tavorin
