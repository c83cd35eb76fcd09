#pragma once
// Small pieces shared by the statements whose items carry command identifiers (menus, toolbars).

#include <cstddef>
#include <cstdint>
#include <string>

#include "script/lexer.h"

namespace tavorin {

// The name an item takes from its id: the macro the script named it by, else the decimal text of
// its value (an expression such as "0x10" or "(2+3)" is named by the number it gives).
std::u16string item_id_name(const ItemId& id, std::uint32_t value);

// Whether the white space just before `pos` holds a comma: Lexer::item_id reads an optional
// comma after the id, and what may follow depends on whether there was one.
bool comma_before(const Lexer& lexer, std::size_t pos);

// Blanks and tabs (and carriage returns) only: options that end at the end of the line.
std::size_t skip_line_blanks(const Lexer& lexer, std::size_t pos);

}  // namespace tavorin
