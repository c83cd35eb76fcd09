#include "formats/compiled_record.h"

#include <array>

namespace tavorin {

std::optional<std::span<const std::uint8_t>> kept_item_data(const ResourceItem& item) {
    if (const CompiledOrigin* origin = item.origin(); origin != nullptr && origin->data) return origin->data->span();
    return item.held_bytes();
}

Result<ItemData> item_data(const ResourceItem& item) {
    if (const auto kept = kept_item_data(item)) return ItemData(*kept);
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

void append_res_header(BinaryBuffer& headers, const ResourceItem& item, std::size_t data_size) {
    const std::size_t start = headers.size();
    headers.write_u32(static_cast<std::uint32_t>(data_size));
    const std::size_t header_size = headers.reserve_u32();
    write_name(headers, item.type());
    write_name(headers, item.name());
    // A record read from a .res file keeps its fields; others get the kind's memory flags.
    const CompiledOrigin* origin = item.origin();
    RecordFields fields{.memory_flags = item.memory_flags()};
    if (origin != nullptr && origin->fields) fields = *origin->fields;
    headers.write_u32(fields.data_version);
    headers.write_u16(fields.memory_flags);
    headers.write_u16(item.language());
    headers.write_u32(fields.version);
    headers.write_u32(fields.characteristics);
    headers.patch_u32(header_size, static_cast<std::uint32_t>(headers.size() - start));
}

}  // namespace tavorin
