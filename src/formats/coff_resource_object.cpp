#include "formats/coff_resource_object.h"

#include <algorithm>
#include <array>
#include <limits>

#include "base/binary_buffer.h"
#include "base/binary_reader.h"
#include "base/text.h"
#include "formats/compiled_record.h"

namespace tavorin {

namespace {

constexpr std::size_t file_header_size = 20;
constexpr std::size_t section_header_size = 40;
constexpr std::size_t relocation_size = 10;
constexpr std::size_t symbol_size = 18;
constexpr std::size_t table_header_size = 16;
constexpr std::size_t table_entry_size = 8;
constexpr std::size_t data_entry_size = 16;
constexpr std::uint32_t subtable_flag = 0x80000000;
constexpr std::uint32_t name_flag = 0x80000000;

// IMAGE_FILE_LINE_NUMS_STRIPPED, and IMAGE_FILE_32BIT_MACHINE for i386.
std::uint16_t file_characteristics(CoffMachine machine) { return machine == CoffMachine::i386 ? 0x0104 : 0x0004; }
// IMAGE_SCN_CNT_INITIALIZED_DATA | IMAGE_SCN_ALIGN_4BYTES | IMAGE_SCN_MEM_READ | IMAGE_SCN_MEM_WRITE.
constexpr std::uint32_t section_characteristics = 0xC0300040;
constexpr std::uint8_t static_storage_class = 3;

// The relocation that adds the image base-relative address of the section: ADDR32NB.
std::uint16_t relocation_type(CoffMachine machine) {
    switch (machine) {
        case CoffMachine::x86_64: return 3;
        case CoffMachine::i386: return 7;
        case CoffMachine::arm64: return 2;
    }
    return 0;
}

std::size_t align_up(std::size_t value, std::size_t multiple) { return (value + multiple - 1) / multiple * multiple; }

// The object's records are packed (relocations take 10 bytes, symbols 18), so its fields are
// placed at explicit offsets rather than through the aligning binary buffer.
class PackedBytes {
public:
    explicit PackedBytes(std::size_t size) : bytes_(size, 0) {}
    void put_u16(std::size_t at, std::uint16_t value) {
        bytes_[at] = static_cast<std::uint8_t>(value);
        bytes_[at + 1] = static_cast<std::uint8_t>(value >> 8);
    }
    void put_u32(std::size_t at, std::uint32_t value) {
        put_u16(at, static_cast<std::uint16_t>(value));
        put_u16(at + 2, static_cast<std::uint16_t>(value >> 16));
    }
    void put_bytes(std::size_t at, std::span<const std::uint8_t> data) {
        std::copy(data.begin(), data.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(at));
    }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

// Resource directories list named entries first, in code-unit order of the names (case
// matters), then numbered ones in ascending order.
int compare_ids(const NameOrOrdinal& a, const NameOrOrdinal& b) {
    if (a.is_text != b.is_text) return a.is_text ? -1 : 1;
    if (!a.is_text) return a.ordinal == b.ordinal ? 0 : (a.ordinal < b.ordinal ? -1 : 1);
    const int order = a.text.compare(b.text);
    return order == 0 ? 0 : (order < 0 ? -1 : 1);
}

std::u16string id_text(const NameOrOrdinal& id) { return id.is_text ? id.text : decimal(id.ordinal); }

struct NameNode {
    const NameOrOrdinal* name = nullptr;
    std::vector<const CoffResource*> languages;
};

struct TypeNode {
    const NameOrOrdinal* type = nullptr;
    std::vector<NameNode> names;
};

std::vector<TypeNode> build_tree(std::span<const CoffResource> resources) {
    std::vector<const CoffResource*> sorted;
    sorted.reserve(resources.size());
    for (const auto& resource : resources) sorted.push_back(&resource);
    std::stable_sort(sorted.begin(), sorted.end(), [](const CoffResource* a, const CoffResource* b) {
        if (const int type = compare_ids(a->type, b->type); type != 0) return type < 0;
        if (const int name = compare_ids(a->name, b->name); name != 0) return name < 0;
        return a->language < b->language;
    });
    std::vector<TypeNode> types;
    for (const CoffResource* resource : sorted) {
        if (types.empty() || compare_ids(*types.back().type, resource->type) != 0) {
            types.push_back(TypeNode{&resource->type, {}});
        }
        auto& names = types.back().names;
        if (names.empty() || compare_ids(*names.back().name, resource->name) != 0) {
            names.push_back(NameNode{&resource->name, {}});
        }
        names.back().languages.push_back(resource);
    }
    return types;
}

std::size_t table_size(std::size_t entries) { return table_header_size + entries * table_entry_size; }

std::size_t string_size(const NameOrOrdinal& id) { return id.is_text ? 2 + 2 * id.text.size() : 0; }

}  // namespace

Result<std::vector<CoffResource>> split_res_records(std::span<const std::uint8_t> res, std::u16string_view source) {
    const auto failed_at = [&](std::size_t offset, std::u16string_view what) {
        return Error{std::u16string(source) + u", offset 0x" + hexadecimal(static_cast<std::uint32_t>(offset)) +
                     u": " + std::u16string(what)};
    };
    const auto empty = empty_res_record();
    if (res.size() < empty.size() || !std::equal(empty.begin(), empty.end(), res.begin())) {
        return failed_at(0, u"not a compiled resource file");
    }
    std::vector<CoffResource> records;
    std::size_t offset = empty.size();
    while (res.size() - offset >= 8) {
        BinaryReader sizes(res.subspan(offset, 8));
        const std::uint32_t data_size = sizes.read_u32();
        const std::uint32_t header_size = sizes.read_u32();
        if (header_size < 8 || header_size > res.size() - offset) return failed_at(offset, u"bad record header");
        CoffResource record;
        try {
            BinaryReader header(res.subspan(offset + 8, header_size - 8));
            record.type = header.read_name_or_ordinal();
            record.name = header.read_name_or_ordinal();
            header.read_u32();  // data version
            header.read_u16();  // memory flags
            record.language = header.read_u16();
        } catch (const BinaryReadError&) {
            return failed_at(offset, u"bad record header");
        }
        const std::size_t data_offset = offset + header_size;
        if (data_size > res.size() - data_offset) return failed_at(offset, u"record data runs past the end");
        record.data = res.subspan(data_offset, data_size);
        records.push_back(std::move(record));
        offset = std::min(res.size(), align_up(data_offset + data_size, 4));
    }
    return records;
}

Result<std::vector<std::uint8_t>> write_coff_resource_object(std::span<const CoffResource> resources,
                                                             CoffMachine machine, std::u16string_view source) {
    const std::vector<TypeNode> types = build_tree(resources);
    for (const auto& type : types) {
        for (const auto& name : type.names) {
            for (std::size_t i = 1; i < name.languages.size(); ++i) {
                if (name.languages[i]->language != name.languages[i - 1]->language) continue;
                return Error{std::u16string(source) + u": duplicate resource: type " + id_text(*type.type) +
                             u", name " + id_text(*name.name) + u", language " +
                             decimal(name.languages[i]->language)};
            }
        }
    }
    // The relocation count is a 16-bit field.
    if (resources.size() >= 0xFFFF) return Error{std::u16string(source) + u": too many resources for one object"};

    // The section: every table (the root, then each type's table followed by its names' tables),
    // the name strings in the same order, the data entries, then the data, each piece aligned to
    // eight bytes.
    std::size_t tables = table_size(types.size());
    std::size_t strings = 0;
    for (const auto& type : types) {
        tables += table_size(type.names.size());
        strings += string_size(*type.type);
        for (const auto& name : type.names) {
            tables += table_size(name.languages.size());
            strings += string_size(*name.name);
        }
    }
    const std::size_t entries_start = align_up(tables + strings, 8);
    const std::size_t data_start = entries_start + resources.size() * data_entry_size;
    std::uint64_t section_end = data_start;
    for (const auto& resource : resources) section_end = align_up(section_end, 8) + resource.data.size();
    section_end = align_up(section_end, 8);
    const std::uint64_t file_size = file_header_size + section_header_size + section_end +
                                    resources.size() * relocation_size + symbol_size + 4;
    if (file_size > std::numeric_limits<std::uint32_t>::max()) {
        return Error{std::u16string(source) + u": the resources are too large for one object"};
    }
    const std::size_t section_size = static_cast<std::size_t>(section_end);
    const std::size_t section_start = file_header_size + section_header_size;
    const std::size_t relocations_start = section_start + section_size;
    const std::size_t symbols_start = relocations_start + resources.size() * relocation_size;

    PackedBytes out(static_cast<std::size_t>(file_size));
    out.put_u16(0, static_cast<std::uint16_t>(machine));
    out.put_u16(2, 1);  // sections
    out.put_u32(8, static_cast<std::uint32_t>(symbols_start));
    out.put_u32(12, 1);  // symbols
    out.put_u16(18, file_characteristics(machine));
    static constexpr std::array<std::uint8_t, 8> rsrc_name{'.', 'r', 's', 'r', 'c', 0, 0, 0};
    out.put_bytes(file_header_size, rsrc_name);
    out.put_u32(file_header_size + 16, static_cast<std::uint32_t>(section_size));
    out.put_u32(file_header_size + 20, static_cast<std::uint32_t>(section_start));
    out.put_u32(file_header_size + 24, static_cast<std::uint32_t>(relocations_start));
    out.put_u16(file_header_size + 32, static_cast<std::uint16_t>(resources.size()));
    out.put_u32(file_header_size + 36, section_characteristics);

    // Offsets below count from the section's start.
    const auto put_u16 = [&](std::size_t at, std::uint16_t value) { out.put_u16(section_start + at, value); };
    const auto put_u32 = [&](std::size_t at, std::uint32_t value) { out.put_u32(section_start + at, value); };
    std::size_t next_table = 0;
    std::size_t next_string = tables;
    std::size_t next_entry = entries_start;
    std::size_t next_data = data_start;
    std::size_t relocation = relocations_start;
    // A table's header, returning where its first entry goes.
    const auto start_table = [&](std::size_t count, const auto& id_of) {
        const std::size_t at = next_table;
        next_table += table_size(count);
        std::uint16_t named = 0;
        for (std::size_t i = 0; i < count; ++i) named += id_of(i).is_text ? 1 : 0;
        put_u16(at + 12, named);
        put_u16(at + 14, static_cast<std::uint16_t>(count - named));
        return at + table_header_size;
    };
    const auto put_id = [&](std::size_t entry, const NameOrOrdinal& id) {
        if (!id.is_text) {
            put_u32(entry, id.ordinal);
            return;
        }
        put_u32(entry, name_flag | static_cast<std::uint32_t>(next_string));
        put_u16(next_string, static_cast<std::uint16_t>(id.text.size()));
        for (std::size_t i = 0; i < id.text.size(); ++i) put_u16(next_string + 2 + 2 * i, id.text[i]);
        next_string += string_size(id);
    };

    const std::size_t root_entries = start_table(types.size(), [&](std::size_t i) -> const NameOrOrdinal& {
        return *types[i].type;
    });
    for (std::size_t t = 0; t < types.size(); ++t) {
        const TypeNode& type = types[t];
        put_id(root_entries + t * table_entry_size, *type.type);
        put_u32(root_entries + t * table_entry_size + 4, subtable_flag | static_cast<std::uint32_t>(next_table));
        const std::size_t name_entries = start_table(type.names.size(), [&](std::size_t i) -> const NameOrOrdinal& {
            return *type.names[i].name;
        });
        for (std::size_t n = 0; n < type.names.size(); ++n) {
            const NameNode& name = type.names[n];
            put_id(name_entries + n * table_entry_size, *name.name);
            put_u32(name_entries + n * table_entry_size + 4, subtable_flag | static_cast<std::uint32_t>(next_table));
            const NameOrOrdinal numbered;
            const std::size_t language_entries =
                start_table(name.languages.size(), [&](std::size_t) -> const NameOrOrdinal& { return numbered; });
            for (std::size_t l = 0; l < name.languages.size(); ++l) {
                const CoffResource& resource = *name.languages[l];
                put_u32(language_entries + l * table_entry_size, resource.language);
                put_u32(language_entries + l * table_entry_size + 4, static_cast<std::uint32_t>(next_entry));
                // The entry holds the data's offset in the section; the relocation makes it the
                // data's address once the linker has placed the section.
                put_u32(next_entry, static_cast<std::uint32_t>(next_data));
                put_u32(next_entry + 4, static_cast<std::uint32_t>(resource.data.size()));
                out.put_u32(relocation, static_cast<std::uint32_t>(next_entry));
                out.put_u16(relocation + 8, relocation_type(machine));
                relocation += relocation_size;
                out.put_bytes(section_start + next_data, resource.data);
                next_entry += data_entry_size;
                next_data = align_up(next_data + resource.data.size(), 8);
            }
        }
    }

    // The one symbol, the section's own, which every relocation refers to; then the empty
    // string table (its size field alone).
    out.put_bytes(symbols_start, rsrc_name);
    out.put_u16(symbols_start + 12, 1);  // section number
    out.put_bytes(symbols_start + 16, std::array<std::uint8_t, 1>{static_storage_class});
    out.put_u32(symbols_start + symbol_size, 4);
    return out.take();
}

bool looks_like_coff_object(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < file_header_size) return false;
    const std::uint16_t machine = static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
    const std::uint16_t optional_header = static_cast<std::uint16_t>(bytes[16] | (bytes[17] << 8));
    return (machine == static_cast<std::uint16_t>(CoffMachine::x86_64) ||
            machine == static_cast<std::uint16_t>(CoffMachine::i386) ||
            machine == static_cast<std::uint16_t>(CoffMachine::arm64)) &&
           optional_header == 0;
}

namespace {

struct CoffSection {
    std::string name;
    std::span<const std::uint8_t> data;
    std::uint32_t relocations_at = 0;
    std::uint16_t relocation_count = 0;
};

std::uint16_t u16_at(std::span<const std::uint8_t> bytes, std::size_t at) {
    if (at > bytes.size() || bytes.size() - at < 2) throw BinaryReadError("field past the end of the object");
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t u32_at(std::span<const std::uint8_t> bytes, std::size_t at) {
    return u16_at(bytes, at) | (std::uint32_t{u16_at(bytes, at + 2)} << 16);
}

// Reads an object's resource sections back. Data entries are found through their relocations:
// the target is the referenced symbol's section at the symbol's value plus the offset the entry
// holds, which covers both one section holding everything and a directory section whose
// relocations point into a separate data section.
class ObjectResourceReader {
public:
    ObjectResourceReader(std::span<const std::uint8_t> object) : object_(object) {}

    void read(BinaryBuffer& out) {
        const std::uint16_t section_count = u16_at(object_, 2);
        symbols_at_ = u32_at(object_, 8);
        symbol_count_ = u32_at(object_, 12);
        const std::size_t headers_at = file_header_size + u16_at(object_, 16);
        for (std::uint16_t i = 0; i < section_count; ++i) {
            const std::size_t at = headers_at + i * section_header_size;
            BinaryReader header(object_);
            header.seek(at);
            const auto name_bytes = header.read_bytes(8);
            if (object_.size() - header.offset() < section_header_size - 8) throw BinaryReadError("section header past the end");
            CoffSection section;
            section.name.assign(name_bytes.begin(), std::find(name_bytes.begin(), name_bytes.end(), 0));
            const std::uint32_t size = u32_at(object_, at + 16);
            const std::uint32_t raw_at = u32_at(object_, at + 20);
            if (raw_at > object_.size() || size > object_.size() - raw_at) throw BinaryReadError("malformed resource section");
            section.data = object_.subspan(raw_at, size);
            section.relocations_at = u32_at(object_, at + 24);
            section.relocation_count = u16_at(object_, at + 32);
            sections_.push_back(section);
        }
        for (std::size_t i = 0; i < sections_.size(); ++i) {
            // ".rsrc" alone, or ".rsrc$01" holding the directory (".rsrc$02" holds data only).
            if (sections_[i].name == ".rsrc" || sections_[i].name == ".rsrc$01") walk_table(i, 0, 0, out);
        }
    }

private:
    // Level 0 lists types, 1 names, 2 languages.
    void walk_table(std::size_t section, std::size_t at, int level, BinaryBuffer& out) {
        const auto& data = sections_[section].data;
        // Tables may refer to each other any number of times; a sound object has far fewer.
        if (++tables_seen_ > max_tables) throw BinaryReadError("too many resource tables");
        const std::size_t count = std::size_t{u16_at(data, at + 12)} + u16_at(data, at + 14);
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t entry = at + table_header_size + i * table_entry_size;
            const std::uint32_t id = u32_at(data, entry);
            const std::uint32_t target = u32_at(data, entry + 4);
            path_[level] = (id & name_flag) != 0 ? NameOrOrdinal::of_text(string_at(data, id & ~name_flag))
                                                 : NameOrOrdinal::of_ordinal(static_cast<std::uint16_t>(id));
            const bool subtable = (target & subtable_flag) != 0;
            if (level < 2) {
                if (!subtable) throw BinaryReadError("malformed resource section");
                walk_table(section, target & ~subtable_flag, level + 1, out);
            } else {
                if (subtable) throw BinaryReadError("malformed resource section");
                write_record(section, target, out);
            }
        }
    }

    std::u16string string_at(std::span<const std::uint8_t> data, std::size_t at) {
        const std::uint16_t length = u16_at(data, at);
        std::u16string text;
        for (std::size_t i = 0; i < length; ++i) text.push_back(static_cast<char16_t>(u16_at(data, at + 2 + 2 * i)));
        return text;
    }

    std::span<const std::uint8_t> entry_data(std::size_t section, std::size_t entry) {
        const std::uint32_t offset = u32_at(sections_[section].data, entry);
        const std::uint32_t size = u32_at(sections_[section].data, entry + 4);
        std::span<const std::uint8_t> target = sections_[section].data;
        std::uint64_t start = offset;
        const CoffSection& directory = sections_[section];
        for (std::size_t r = 0; r < directory.relocation_count; ++r) {
            const std::size_t at = directory.relocations_at + r * relocation_size;
            if (u32_at(object_, at) != entry) continue;
            const std::uint32_t symbol = u32_at(object_, at + 4);
            if (symbol >= symbol_count_) throw BinaryReadError("malformed resource section");
            const std::size_t symbol_at = symbols_at_ + std::size_t{symbol} * symbol_size;
            const std::uint32_t value = u32_at(object_, symbol_at + 8);
            const std::uint16_t section_number = u16_at(object_, symbol_at + 12);
            if (section_number == 0 || section_number > sections_.size()) throw BinaryReadError("malformed resource section");
            target = sections_[section_number - 1].data;
            start = std::uint64_t{offset} + value;
            break;
        }
        if (start > target.size() || size > target.size() - start) throw BinaryReadError("malformed resource section");
        return target.subspan(static_cast<std::size_t>(start), size);
    }

    void write_record(std::size_t section, std::size_t entry, BinaryBuffer& out) {
        if (++records_ > max_records) throw BinaryReadError("too many resources");
        const auto data = entry_data(section, entry);
        // Entries may share data; the file made from them stays within what a file may hold.
        if (data.size() > max_output - out.size()) throw BinaryReadError("resources too large");
        out.align_to_4();
        const std::size_t start = out.size();
        out.write_u32(static_cast<std::uint32_t>(data.size()));
        const std::size_t header_size = out.reserve_u32();
        for (int i = 0; i < 2; ++i) out.write_name_or_ordinal(path_[i].text, path_[i].ordinal, !path_[i].is_text);
        out.write_u32(0);  // data version
        out.write_u16(0);  // memory flags
        out.write_u16(path_[2].ordinal);
        out.write_u32(0);  // version
        out.write_u32(0);  // characteristics
        out.patch_u32(header_size, static_cast<std::uint32_t>(out.size() - start));
        out.write_bytes(data);
    }

    std::span<const std::uint8_t> object_;
    std::vector<CoffSection> sections_;
    std::size_t symbols_at_ = 0;
    std::uint32_t symbol_count_ = 0;
    static constexpr std::size_t max_tables = 1'000'000;
    static constexpr std::size_t max_records = 0xFFFF;
    static constexpr std::size_t max_output = std::size_t{1} << 30;
    std::size_t tables_seen_ = 0;
    std::size_t records_ = 0;
    std::array<NameOrOrdinal, 3> path_;
};

}  // namespace

Result<std::vector<std::uint8_t>> res_from_coff_object(std::span<const std::uint8_t> object, std::u16string_view source) {
    if (!looks_like_coff_object(object)) return Error{std::u16string(source) + u": not a COFF object file"};
    BinaryBuffer out;
    out.write_bytes(empty_res_record());
    try {
        ObjectResourceReader(object).read(out);
    } catch (const BinaryReadError&) {
        return Error{std::u16string(source) + u": malformed resource section"};
    }
    out.align_to_4();
    return out.take();
}

}  // namespace tavorin
