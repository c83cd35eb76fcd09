#include "resources/stringtable/item_naming.h"

#include "base/text.h"

namespace tavorin {

ItemIdentifier pasted_item_identifier(std::u16string_view pasted_name, const SymbolTable& symbols,
                                      const std::function<bool(std::int32_t)>& used_by_list) {
    std::u16string_view prefix = pasted_name;
    while (!prefix.empty() && prefix.back() >= u'0' && prefix.back() <= u'9') prefix.remove_suffix(1);

    ItemIdentifier identifier;
    identifier.value = SymbolTable::first_command_value;
    while (used_by_list(identifier.value)) ++identifier.value;
    // A name the table holds with the value 0 (a quoted resource name) is no free name either:
    // registering it would keep that 0.
    identifier.name = prefix.empty() ? decimal(identifier.value) : symbols.free_name(prefix);
    return identifier;
}

}  // namespace tavorin
