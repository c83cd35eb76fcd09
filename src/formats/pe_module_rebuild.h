#pragma once
// Rebuilding a PE module around a new resource section, in memory: the headers and every
// section are copied, the resource section is replaced (or appended when the module has none),
// the sections after it move in the file and in memory with the data directories that point
// into them, and the size fields of the headers follow.

#include <cstdint>
#include <span>
#include <vector>

#include "base/result.h"
#include "formats/compiled_record.h"
#include "model/resource_item.h"

namespace tavorin {

struct PlacedResource {
    const ResourceItem* item = nullptr;
    ItemData data;
};

// The section table holds at most this many sections, the resource section included.
inline constexpr std::size_t max_pe_sections = 32;

// `resources` in item order. Fails, with nothing built, on a module that is not a PE module of a
// standard optional header, has more sections than the table holds, has sections or directories
// outside the file, or whose resource directory lies in no section's start. The error message is
// empty: the caller says "Invalid PE file.".
Result<std::vector<std::uint8_t>> rebuild_module(std::span<const std::uint8_t> module,
                                                 std::span<const PlacedResource> resources);

}  // namespace tavorin
