#pragma once
// The resource directory block a PE writer puts at the start of the resource section: the root
// table of types, a name table per type, a language table per name, a data entry per resource
// and the name strings, all offsets counted from the block's start.

#include <cstdint>
#include <span>
#include <vector>

#include "model/resource_item.h"

namespace tavorin {

struct ResourceDirectoryBlock {
    std::vector<std::uint8_t> bytes;
    // Per item, in list order: where its 16-byte data entry lies in the block. The writer fills
    // in OffsetToData and Size once the data is placed.
    std::vector<std::size_t> data_entries;
};

// `items` sorted in item order. A string type or name goes into the block as text, anything
// else as its ordinal; each run of equal types (and of equal names within a type) shares one
// entry.
ResourceDirectoryBlock build_resource_directory(std::span<const ResourceItem* const> items);

}  // namespace tavorin
