#include "formats/compiled_record.h"

#include <array>

namespace tavorin {

Result<ItemData> item_data(const ResourceItem& item) {
    if (const CompiledOrigin* origin = item.origin(); origin != nullptr && origin->data) {
        return ItemData(std::span<const std::uint8_t>(*origin->data));
    }
    if (const auto held = item.held_bytes()) return ItemData(*held);
    BinaryBuffer data;
    const Status serialized = item.serialize(data);
    if (!serialized) return Error{serialized.error()};
    // Held until the file is written, so without the room the buffer kept for growing.
    std::vector<std::uint8_t> encoded = data.take();
    encoded.shrink_to_fit();
    return ItemData(std::move(encoded));
}

std::span<const std::uint8_t> empty_res_record() {
    static constexpr std::array<std::uint8_t, 32> record{
        0x00, 0x00, 0x00, 0x00, 0x20, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    return record;
}

namespace {

void write_name(BinaryBuffer& out, const NameOrOrdinal& name) {
    out.write_name_or_ordinal(name.text, name.ordinal, !name.is_text);
}

}  // namespace

std::size_t res_record_size_bound(const ResourceItem& item, std::size_t data_size) {
    // Alignment before the header, the fixed fields, two names (an ordinal takes four bytes, a
    // text its units and a terminating one), alignment after them and padding after the data.
    constexpr std::size_t fixed = 3 + 24 + 2 * 4 + 3 + 3;
    return fixed + 2 * (item.type().text.size() + item.name().text.size()) + data_size;
}

void append_res_record(BinaryBuffer& file, const ResourceItem& item, std::span<const std::uint8_t> data) {
    // The header is built on its own so that its 16- and 32-bit fields align from its start.
    BinaryBuffer header;
    header.write_u32(static_cast<std::uint32_t>(data.size()));
    const std::size_t header_size = header.reserve_u32();
    write_name(header, item.type());
    write_name(header, item.name());
    // A record read from a .res file keeps its fields; others get the kind's memory flags.
    const CompiledOrigin* origin = item.origin();
    RecordFields fields{.memory_flags = item.memory_flags()};
    if (origin != nullptr && origin->fields) fields = *origin->fields;
    header.write_u32(fields.data_version);
    header.write_u16(fields.memory_flags);
    header.write_u16(item.language());
    header.write_u32(fields.version);
    header.write_u32(fields.characteristics);
    header.patch_u32(header_size, static_cast<std::uint32_t>(header.size()));

    file.align_to_4();
    file.write_bytes(header.bytes());
    file.write_bytes(data);
    if (item.pad_after_data()) file.align_to_4();
}

}  // namespace tavorin
