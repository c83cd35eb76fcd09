#pragma once
// The control statements of a dialog's body, up to its END or "}".

#include <cstddef>

#include "base/result.h"

namespace tavorin {

class Dialog;
class StatementContext;

// Reads control statements into the dialog from `pos` (just after BEGIN or "{") and returns the
// position after the closing END or "}".
Result<std::size_t> read_control_statements(StatementContext& context, Dialog& dialog, std::size_t pos);

}  // namespace tavorin
