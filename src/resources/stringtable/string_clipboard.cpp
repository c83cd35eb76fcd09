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

std::u16string string_rows_as_text(std::span<const StringEntry> rows) {
    std::u16string text;
    for (const StringEntry& row : rows) {
        text += row.identifier;
        text += u'\t';
        text += row.text;
        text += u"\r\n";
    }
    return text;
}

std::vector<StringEntry> string_rows_from_text(std::u16string_view text) {
    std::vector<StringEntry> rows;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of(u"\r\n");
        const std::u16string_view line = text.substr(0, end);
        if (end == std::u16string_view::npos) {
            text = {};
        } else {
            // CR LF is one line break.
            const std::size_t next = text.substr(end, 2) == u"\r\n" ? end + 2 : end + 1;
            text.remove_prefix(next);
        }
        if (line.empty()) continue;
        const std::size_t tab = line.find(u'\t');
        if (tab == std::u16string_view::npos) {
            rows.push_back({u"IDS_STRING1", std::u16string(line)});
        } else {
            rows.push_back({std::u16string(line.substr(0, tab)), std::u16string(line.substr(tab + 1))});
        }
    }
    return rows;
}

}  // namespace tavorin
