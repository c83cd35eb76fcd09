#pragma once
// Names and values for new rows of list editors (string tables, accelerator tables): the row
// the user adds and the rows pasted from the clipboard.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "model/symbol_table.h"

namespace tavorin {

struct ItemIdentifier {
    std::u16string name;
    std::int32_t value = 0;
};

// For a row pasted under `pasted_name` into a list whose rows use the values `used_by_list`
// says: the name without its trailing digits, followed by the first number that makes a name not
// yet in the symbol table; the value is the first from 40000 up that no row of the list uses.
// A name of digits only becomes that value in decimal. The caller registers it.
ItemIdentifier pasted_item_identifier(std::u16string_view pasted_name, const SymbolTable& symbols,
                                      const std::function<bool(std::int32_t)>& used_by_list);

}  // namespace tavorin
