#include "resources/accelerator/accelerator_clipboard.h"

#include "base/binary_buffer.h"
#include "base/binary_reader.h"
#include "base/text.h"
#include "resources/accelerator/accelerator_binary.h"

namespace tavorin {

std::vector<std::uint8_t> encode_accelerator_rows(std::span<const AcceleratorEntry> rows) {
    BinaryBuffer out;
    out.write_u32(static_cast<std::uint32_t>(rows.size()));
    for (const AcceleratorEntry& row : rows) {
        std::uint16_t flags = row.key.is_virtual() ? accelerator_flag::virtual_key : 0;
        if (row.alt) flags |= accelerator_flag::alt;
        if (row.control) flags |= accelerator_flag::control;
        if (row.shift) flags |= accelerator_flag::shift;
        if (row.noinvert) flags |= accelerator_flag::noinvert;
        out.write_text(row.identifier);
        out.write_u16(flags);
        out.write_u16(row.key.code);
    }
    return out.take();
}

Result<std::vector<AcceleratorEntry>> decode_accelerator_rows(std::span<const std::uint8_t> data,
                                                              const VirtualKeyNames& names) {
    BinaryReader reader(data);
    std::vector<AcceleratorEntry> rows;
    try {
        const std::uint32_t count = reader.read_u32();
        for (std::uint32_t i = 0; i < count; ++i) {
            std::u16string identifier = reader.read_text();
            const std::uint16_t flags = reader.read_u16();
            const std::uint16_t key = reader.read_u16();
            AcceleratorEntry row = accelerator_from_words(std::move(identifier), flags, key, names);
            // A copy is exact: a virtual key of a letter stays a letter rather than its number.
            if (row.key.is_virtual() && key >= u'A' && key <= u'Z') row.key = AcceleratorKey::letter(static_cast<char16_t>(key));
            rows.push_back(std::move(row));
        }
    } catch (const BinaryReadError& error) {
        return Error{ascii_to_text(error.what())};
    }
    return rows;
}

}  // namespace tavorin
