#pragma once
// The project's resource header: a guard for IDC_STATIC, then one definition per symbol the
// project defines, as C "#define" lines or assembler "equ" lines.

#include "base/text_writer.h"
#include "model/symbol.h"
#include "model/symbol_table.h"

namespace tavorin {

enum class HeaderNotation { define, assembler };

// A symbol is written unless it comes from a header found through the include paths, is no C
// name (starts with "-" or a digit), or is a string name. (A symbol of value 0 is written: the
// script names it, and must find it when it is read again.)
bool is_written_symbol(const Symbol& symbol);

// The whole header, in order of value (as signed numbers), equal values in name order.
void write_header(TextWriter& out, const SymbolTable& symbols, HeaderNotation notation);

}  // namespace tavorin
