#pragma once
// One identifier of the symbol table: its name, its value and who uses it.

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "model/resource_kind.h"

namespace tavorin {

class Resource;

struct Symbol {
    std::u16string name;
    std::int32_t value = 0;
    // Defined by a header found through the include paths: never written to the project header
    // and never dropped.
    bool system = false;
    // A quoted resource name, not a symbol with a value (its value is 0).
    bool string_name = false;

    // Resource kind to the languages of the resources of that kind that carry this name. Uses
    // of a name that shares its value with an earlier symbol are kept on that earlier symbol.
    std::map<ResourceKind, std::set<std::uint16_t>> resource_uses;
    // The dialogs with a control carrying this id.
    std::set<const Resource*> control_uses;
    // Owning resource (menu, accelerator table, string table, toolbar) to the number of its
    // items carrying this id.
    std::map<const Resource*, int> item_uses;

    bool has_resource_use(ResourceKind kind, std::uint16_t language) const {
        const auto it = resource_uses.find(kind);
        return it != resource_uses.end() && it->second.contains(language);
    }
    bool unused() const { return resource_uses.empty() && control_uses.empty() && item_uses.empty(); }
};

}  // namespace tavorin
