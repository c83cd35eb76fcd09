#pragma once
// A minimal walker over compiled resource files for the tests that compare our binary forms
// with a resource compiler's output: each record's type, name, language and data.

#include <cstdint>
#include <span>
#include <vector>

#include "base/binary_reader.h"

namespace tavorin::testing {

struct ResRecord {
    NameOrOrdinal type;
    NameOrOrdinal name;
    std::uint16_t language = 0;
    std::uint16_t memory_flags = 0;
    std::uint32_t data_size = 0;
    // The data with the zero padding that follows it in the file, up to a multiple of four.
    std::vector<std::uint8_t> padded_data;
};

// Throws BinaryReadError when a record runs past the end of the file.
inline std::vector<ResRecord> read_res_records(std::span<const std::uint8_t> file) {
    std::vector<ResRecord> records;
    std::size_t offset = 0;
    while (offset + 8 <= file.size()) {
        BinaryReader sizes(file.subspan(offset, 8));
        ResRecord record;
        record.data_size = sizes.read_u32();
        const std::uint32_t header_size = sizes.read_u32();
        if (header_size < 8 || header_size > file.size() - offset) throw BinaryReadError("bad header size");

        BinaryReader header(file.subspan(offset + 8, header_size - 8));
        record.type = header.read_name_or_ordinal();
        record.name = header.read_name_or_ordinal();
        header.read_u32();  // DataVersion, aligned to four
        record.memory_flags = header.read_u16();
        record.language = header.read_u16();

        const std::size_t data_start = offset + header_size;
        const std::size_t padded_size = (record.data_size + 3u) / 4u * 4u;
        BinaryReader data(file.subspan(data_start));
        const auto bytes = data.read_bytes(padded_size);
        record.padded_data.assign(bytes.begin(), bytes.end());
        records.push_back(std::move(record));
        offset = data_start + padded_size;
    }
    return records;
}

}  // namespace tavorin::testing
