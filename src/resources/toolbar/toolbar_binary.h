#pragma once
// The compiled toolbar (resource type 241), as GNU windres writes it: the button width, the
// button height and the item count, then one value per item (0 for a separator), every field
// 32 bits. The layout of MFC's resource compiler is read as well: a 16-bit version 1, the width,
// the height and the count, then 16-bit items.

#include <cstdint>
#include <memory>
#include <span>

#include "base/binary_buffer.h"
#include "base/result.h"
#include "resources/toolbar/toolbar.h"

namespace tavorin {

class SymbolTable;

void encode_toolbar(const Toolbar& toolbar, BinaryBuffer& out);

// A toolbar from compiled data; a button takes the name of the first symbol with its value, else
// its decimal value. Data of neither layout is refused.
Result<std::unique_ptr<Toolbar>> decode_toolbar(std::span<const std::uint8_t> data, SymbolTable& symbols);

}  // namespace tavorin
