#pragma once
// The compiled form of string tables: RT_STRING resources of sixteen strings each. The block
// with index i (identifier value shifted right by 4) is named i + 1 and holds the identifiers
// 16 i to 16 i + 15, each slot a 16-bit length and that many UTF-16 units, unterminated.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/binary_buffer.h"
#include "base/result.h"
#include "model/resource_item.h"

namespace tavorin {

class Workspace;
class StringTable;

template <typename Text>
struct BasicStringBlock {
    std::uint16_t index = 0;
    // Stored texts by slot (identifier value modulo 16).
    std::array<std::optional<Text>, 16> slots;

    std::uint16_t name() const { return static_cast<std::uint16_t>(index + 1); }

    friend bool operator==(const BasicStringBlock&, const BasicStringBlock&) = default;
};
// A block read from a file, which keeps its texts.
using StringBlock = BasicStringBlock<std::u16string>;
// A block of a table being written, its texts viewed where the table holds them.
using StringBlockView = BasicStringBlock<std::u16string_view>;

StringBlockView view_of(const StringBlock& block);

// One block per occupied group of sixteen identifiers, in the order the groups are first met in
// the table. A later entry with the value of an earlier one takes its slot.
std::vector<StringBlockView> make_string_blocks(const StringTable& table);

// The block's data: each slot's length and its text with the escapes resolved, then zero
// padding to a multiple of four. An empty slot or an empty text writes the length 0.
Status encode_string_block(const StringBlockView& block, BinaryBuffer& out);

// A block as an item of a compiled save.
class StringBlockItem : public ResourceItem {
public:
    StringBlockItem(StringBlockView block, std::uint16_t language, std::uint32_t time_stamp,
                    std::optional<CompiledOrigin> origin = std::nullopt)
        : block_(std::move(block)), language_(language), time_stamp_(time_stamp), origin_(std::move(origin)) {}

    NameOrOrdinal type() const override { return NameOrOrdinal::of_ordinal(resource_type::string); }
    NameOrOrdinal name() const override { return NameOrOrdinal::of_ordinal(block_.name()); }
    std::uint16_t language() const override { return language_; }
    std::uint32_t time_stamp() const override { return time_stamp_; }
    Status serialize(BinaryBuffer& out) const override { return encode_string_block(block_, out); }
    const CompiledOrigin* origin() const override { return origin_ ? &*origin_ : nullptr; }

    const StringBlockView& block() const { return block_; }

private:
    StringBlockView block_;
    std::uint16_t language_;
    std::uint32_t time_stamp_;
    std::optional<CompiledOrigin> origin_;
};

// Merges a compiled block named `block_name` into the string table of `language` (made when
// there is none). Each non-empty slot becomes an entry in the stored form, its identifier the
// symbol that has the slot's value, else the value in decimal. A block that ends early is an
// error; the slots read before stay. A block read whole is kept with its `origin`, to be written
// back as it was while its strings stay the same.
Status read_string_block(Workspace& workspace, std::span<const std::uint8_t> data, std::uint16_t block_name,
                         std::uint16_t language, CompiledOrigin origin = {});

}  // namespace tavorin
