#include "formats/compiled_record.h"

#include <array>

namespace tavorin {

Result<std::vector<std::uint8_t>> item_data(const ResourceItem& item) {
    BinaryBuffer data;
    const Status serialized = item.serialize(data);
    if (!serialized) return Error{serialized.error()};
    return data.take();
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

void append_res_record(BinaryBuffer& file, const ResourceItem& item, std::span<const std::uint8_t> data) {
    // The header is built on its own so that its 16- and 32-bit fields align from its start.
    BinaryBuffer header;
    header.write_u32(static_cast<std::uint32_t>(data.size()));
    const std::size_t header_size = header.reserve_u32();
    write_name(header, item.type());
    write_name(header, item.name());
    header.write_u32(0);  // DataVersion
    header.write_u16(item.memory_flags());
    header.write_u16(item.language());
    header.write_u32(0);  // Version
    header.write_u32(0);  // Characteristics
    header.patch_u32(header_size, static_cast<std::uint32_t>(header.size()));

    file.align_to_4();
    file.write_bytes(header.bytes());
    file.write_bytes(data);
    if (item.pad_after_data()) file.align_to_4();
}

}  // namespace tavorin
