#include "formats/pe_resource_directory.h"

#include <map>
#include <string>

#include "formats/compiled_items.h"
#include "formats/pe_headers.h"

namespace tavorin {

namespace {

constexpr std::uint32_t high_bit = 0x80000000;
constexpr std::size_t table_header_size = 16;
constexpr std::size_t entry_size = 8;
constexpr std::size_t data_entry_size = 16;

// A run of consecutive items, [first, end).
struct Run {
    std::size_t first = 0;
    std::size_t end = 0;
};

std::vector<Run> runs_of(std::span<const ResourceItem* const> items, Run range, bool by_type) {
    std::vector<Run> runs;
    for (std::size_t i = range.first; i < range.end; ++i) {
        const bool continues =
            !runs.empty() && (by_type ? compare_item_names(items[i]->type(), items[runs.back().first]->type())
                                      : compare_item_names(items[i]->name(), items[runs.back().first]->name())) == 0;
        if (continues) {
            runs.back().end = i + 1;
        } else {
            runs.push_back(Run{i, i + 1});
        }
    }
    return runs;
}

// The directory's shape: the runs and where each table lies.
struct Layout {
    std::vector<Run> types;
    std::vector<std::vector<Run>> names;  // per type
    std::vector<std::size_t> name_tables;  // per type
    std::vector<std::vector<std::size_t>> language_tables;  // per type, per name
    std::size_t data_entries = 0;
    // The strings in the order met, each at its offset; a text met twice takes the offset of its
    // last copy.
    std::vector<std::pair<std::u16string, std::size_t>> strings;
    std::map<std::u16string, std::size_t> string_offsets;
    std::size_t size = 0;
};

Layout measure(std::span<const ResourceItem* const> items) {
    Layout layout;
    layout.types = runs_of(items, Run{0, items.size()}, true);
    std::size_t offset = table_header_size + entry_size * layout.types.size();
    for (const Run& type : layout.types) {
        layout.names.push_back(runs_of(items, type, false));
        layout.name_tables.push_back(offset);
        offset += table_header_size + entry_size * layout.names.back().size();
    }
    for (const auto& names : layout.names) {
        auto& tables = layout.language_tables.emplace_back();
        for (const Run& name : names) {
            tables.push_back(offset);
            offset += table_header_size + entry_size * (name.end - name.first);
        }
    }
    layout.data_entries = offset;
    offset += data_entry_size * items.size();

    const auto add_string = [&](const std::u16string& text) {
        layout.strings.emplace_back(text, offset);
        layout.string_offsets[text] = offset;
        offset += 2 + 2 * text.size();
    };
    for (const Run& type : layout.types) {
        if (items[type.first]->type().is_text) add_string(items[type.first]->type().text);
    }
    for (const auto& names : layout.names) {
        for (const Run& name : names) {
            if (items[name.first]->name().is_text) add_string(items[name.first]->name().text);
        }
    }
    layout.size = static_cast<std::size_t>(pe::align_up(offset, 4));
    return layout;
}

class BlockWriter {
public:
    explicit BlockWriter(std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

    void table_header(std::size_t offset, std::uint32_t stamp, std::size_t named, std::size_t numbered) {
        pe::put_u32(bytes_, offset + 4, stamp);
        pe::put_u16(bytes_, offset + 12, static_cast<std::uint16_t>(named));
        pe::put_u16(bytes_, offset + 14, static_cast<std::uint16_t>(numbered));
    }
    void entry(std::size_t offset, std::uint32_t name, std::uint32_t target) {
        pe::put_u32(bytes_, offset, name);
        pe::put_u32(bytes_, offset + 4, target);
    }

private:
    std::vector<std::uint8_t>& bytes_;
};

std::size_t count_texts(std::span<const ResourceItem* const> items, const std::vector<Run>& runs, bool by_type) {
    std::size_t named = 0;
    for (const Run& run : runs) named += (by_type ? items[run.first]->type() : items[run.first]->name()).is_text;
    return named;
}

}  // namespace

ResourceDirectoryBlock build_resource_directory(std::span<const ResourceItem* const> items) {
    const Layout layout = measure(items);
    ResourceDirectoryBlock block;
    block.bytes.assign(layout.size, 0);
    BlockWriter out(block.bytes);

    const auto name_field = [&](const NameOrOrdinal& id) {
        return id.is_text ? high_bit | static_cast<std::uint32_t>(layout.string_offsets.at(id.text))
                          : std::uint32_t{id.ordinal};
    };

    const std::size_t type_count = layout.types.size();
    const std::uint32_t root_stamp = type_count == 0 ? 0 : items[layout.types.back().first]->time_stamp();
    const std::size_t named_types = count_texts(items, layout.types, true);
    out.table_header(0, root_stamp, named_types, type_count - named_types);

    std::size_t item_index = 0;
    for (std::size_t t = 0; t < type_count; ++t) {
        const Run& type = layout.types[t];
        out.entry(table_header_size + entry_size * t, name_field(items[type.first]->type()),
                  high_bit | static_cast<std::uint32_t>(layout.name_tables[t]));

        const auto& names = layout.names[t];
        const std::size_t named = count_texts(items, names, false);
        out.table_header(layout.name_tables[t], items[names.back().first]->time_stamp(), named, names.size() - named);
        for (std::size_t n = 0; n < names.size(); ++n) {
            const Run& name = names[n];
            const std::size_t language_table = layout.language_tables[t][n];
            out.entry(layout.name_tables[t] + table_header_size + entry_size * n, name_field(items[name.first]->name()),
                      high_bit | static_cast<std::uint32_t>(language_table));

            out.table_header(language_table, items[name.end - 1]->time_stamp(), 0, name.end - name.first);
            for (std::size_t i = name.first; i < name.end; ++i, ++item_index) {
                const std::size_t data_entry = layout.data_entries + data_entry_size * item_index;
                out.entry(language_table + table_header_size + entry_size * (i - name.first), items[i]->language(),
                          static_cast<std::uint32_t>(data_entry));
                block.data_entries.push_back(data_entry);
            }
        }
    }

    for (const auto& [text, offset] : layout.strings) {
        pe::put_u16(block.bytes, offset, static_cast<std::uint16_t>(text.size()));
        for (std::size_t i = 0; i < text.size(); ++i) pe::put_u16(block.bytes, offset + 2 + 2 * i, text[i]);
    }
    return block;
}

}  // namespace tavorin
