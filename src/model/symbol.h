#pragma once
// One identifier of the symbol table: its name, its value and who uses it.

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "base/flat_counts.h"
#include "model/resource_kind.h"

namespace tavorin {

class Resource;

// Resources with the number of uses each has. Most identifiers have one user, which is kept
// without a table; any others go to the table.
class ResourceUses {
public:
    bool empty() const { return single_ == nullptr && others_.empty(); }
    bool contains(const Resource* resource) const {
        return resource != nullptr && (resource == single_ || others_.contains(resource));
    }
    // One more use of the resource.
    void add(const Resource* resource) {
        if (resource == nullptr) return;
        if (resource == single_) {
            ++single_count_;
        } else if (single_ == nullptr && !others_.contains(resource)) {
            single_ = resource;
            single_count_ = 1;
        } else {
            others_.add(resource);
        }
    }
    // One use fewer (every use with `all`); false when the resource has none.
    bool remove(const Resource* resource, bool all = false) {
        if (resource == nullptr) return false;
        if (resource != single_) return others_.remove(resource, all);
        if (all || --single_count_ == 0) {
            single_ = nullptr;
            single_count_ = 0;
        }
        return true;
    }

private:
    const Resource* single_ = nullptr;
    int single_count_ = 0;
    FlatCounts<const Resource*> others_;
};

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
    // The dialogs with a control carrying this id (one use each).
    ResourceUses control_uses;
    // Owning resources (menu, accelerator table, string table, toolbar) with the number of their
    // items carrying this id.
    ResourceUses item_uses;

    bool has_resource_use(ResourceKind kind, std::uint16_t language) const {
        const auto it = resource_uses.find(kind);
        return it != resource_uses.end() && it->second.contains(language);
    }
    bool unused() const { return resource_uses.empty() && control_uses.empty() && item_uses.empty(); }
};

}  // namespace tavorin
