#pragma once
// Writing one item of a compiled save: in a .res file the record header, the data and zero
// padding to a multiple of four; in a PE module the data alone (the PE writer pads).

#include <cstdint>
#include <span>
#include <vector>

#include "base/binary_buffer.h"
#include "base/result.h"
#include "model/resource_item.h"

namespace tavorin {

// The item's data, unpadded: the bytes it was read with while nobody changed it, else its
// encoding; the item's error when it cannot produce it.
Result<std::vector<std::uint8_t>> item_data(const ResourceItem& item);

// The 32-byte record every .res file starts with.
std::span<const std::uint8_t> empty_res_record();

// Appends the item's .res record (header, data, padding) to `file`. The header fields of a
// record read from a .res file are written back as they were.
void append_res_record(BinaryBuffer& file, const ResourceItem& item, std::span<const std::uint8_t> data);

}  // namespace tavorin
