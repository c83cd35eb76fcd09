#include "resources/stringtable/string_clipboard.h"

#include "base/binary_buffer.h"
#include "base/binary_reader.h"
#include "base/text.h"

namespace tavorin {

std::vector<std::uint8_t> encode_string_rows(std::span<const StringEntry> rows) {
    BinaryBuffer out;
    out.write_u32(static_cast<std::uint32_t>(rows.size()));
    for (const StringEntry& row : rows) {
        out.write_text(row.identifier);
        out.write_text(row.text);
    }
    return out.take();
}

Result<std::vector<StringEntry>> decode_string_rows(std::span<const std::uint8_t> data) {
    BinaryReader reader(data);
    std::vector<StringEntry> rows;
    try {
        const std::uint32_t count = reader.read_u32();
        for (std::uint32_t i = 0; i < count; ++i) {
            StringEntry row;
            row.identifier = reader.read_text();
            row.text = reader.read_text();
            rows.push_back(std::move(row));
        }
    } catch (const BinaryReadError& error) {
        return Error{ascii_to_text(error.what())};
    }
    return rows;
}

}  // namespace tavorin
