#pragma once
// Writing one item of a compiled save: in a .res file the record header, the data and zero
// padding to a multiple of four; in a PE module the data alone (the PE writer pads).

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "base/binary_buffer.h"
#include "base/result.h"
#include "model/resource_item.h"

namespace tavorin {

// An item's data, unpadded: a view of the bytes the item was read with, or its own encoding.
// A view lives as long as the item is unchanged.
class ItemData {
public:
    explicit ItemData(std::span<const std::uint8_t> kept) : kept_(kept), borrowed_(true) {}
    explicit ItemData(std::vector<std::uint8_t> encoded) : encoded_(std::move(encoded)) {}

    std::span<const std::uint8_t> bytes() const { return borrowed_ ? kept_ : std::span<const std::uint8_t>(encoded_); }
    std::size_t size() const { return bytes().size(); }

private:
    std::vector<std::uint8_t> encoded_;
    std::span<const std::uint8_t> kept_;
    bool borrowed_ = false;
};

// The bytes the item was read with while nobody changed it, or the bytes it holds; nothing when
// its data must be encoded.
std::optional<std::span<const std::uint8_t>> kept_item_data(const ResourceItem& item);

// The item's data: its kept bytes, else its encoding; the item's error when it cannot produce it.
Result<ItemData> item_data(const ResourceItem& item);

// The 32-byte record every .res file starts with.
std::span<const std::uint8_t> empty_res_record();

// Appends the .res record header of the item, whose data has `data_size` bytes, to `headers`,
// which holds whole headers only (each a multiple of four bytes, so each starts aligned). The
// header fields of a record read from a .res file are written back as they were.
void append_res_header(BinaryBuffer& headers, const ResourceItem& item, std::size_t data_size);

}  // namespace tavorin
