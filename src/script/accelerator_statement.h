#pragma once

#include <cstddef>

#include "base/result.h"

namespace tavorin {

class StatementLoop;

// NAME ACCELERATORS [LANGUAGE ...] BEGIN event, id [, option ...] ... END. `pos` is after the
// keyword.
Result<std::size_t> read_accelerators(StatementLoop& loop, std::size_t pos);

}  // namespace tavorin
