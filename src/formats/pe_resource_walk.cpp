#include "formats/pe_resource_walk.h"

#include <algorithm>
#include <fstream>

#include "base/file_io.h"
#include "base/text.h"
#include "formats/pe_headers.h"

namespace tavorin {

namespace {

using Outcome = PeResourceListing::Outcome;

constexpr std::uint32_t subdirectory_flag = 0x80000000;
constexpr std::size_t table_header_size = 16;
constexpr std::size_t entry_size = 8;
constexpr std::size_t data_entry_size = 16;

// A fault in the module, at this offset of the file.
struct InvalidModule {
    std::uint64_t offset = 0;
};

class DirectoryWalk {
public:
    explicit DirectoryWalk(PeResourceListing& listing)
        : listing_(listing), section_(*listing.section),
          // Every entry takes eight bytes of the section; a directory whose tables share entries
          // could otherwise make a few bytes list billions of resources.
          entry_budget_(listing.section->size() / entry_size) {}

    void run() {
        for_each_entry(0, [&](const NameOrOrdinal& type, std::uint32_t target, std::uint32_t) {
            if ((target & subdirectory_flag) == 0) invalid_at(0);
            for_each_entry(target & ~subdirectory_flag, [&](const NameOrOrdinal& name, std::uint32_t names_target,
                                                            std::uint32_t) {
                if ((names_target & subdirectory_flag) == 0) invalid_at(target & ~subdirectory_flag);
                read_languages(type, name, names_target & ~subdirectory_flag);
            });
        });
    }

private:
    template <typename Visit>
    void for_each_entry(std::size_t table, Visit visit) {
        require(table, table_header_size);
        const std::uint32_t stamp = pe::get_u32(section_, table + 4);
        const std::size_t named = pe::get_u16(section_, table + 12);
        const std::size_t numbered = pe::get_u16(section_, table + 14);
        const std::size_t count = named + numbered;
        require(table + table_header_size, count * entry_size);
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t entry = table + table_header_size + i * entry_size;
            if (entry_budget_ == 0) invalid_at(entry);
            --entry_budget_;
            const std::uint32_t name_field = pe::get_u32(section_, entry);
            const std::uint32_t target = pe::get_u32(section_, entry + 4);
            const NameOrOrdinal id = i < named ? string_at(name_field & ~subdirectory_flag)
                                               : NameOrOrdinal::of_ordinal(static_cast<std::uint16_t>(name_field));
            visit(id, target, stamp);
        }
    }

    void read_languages(const NameOrOrdinal& type, const NameOrOrdinal& name, std::size_t table) {
        require(table, table_header_size);
        if (pe::get_u16(section_, table + 12) != 0) invalid_at(table);
        for_each_entry(table, [&](const NameOrOrdinal& language, std::uint32_t target, std::uint32_t stamp) {
            if ((target & subdirectory_flag) != 0) invalid_at(table);
            require(target, data_entry_size);
            const std::uint32_t rva = pe::get_u32(section_, target);
            const std::uint32_t size = pe::get_u32(section_, target + 4);
            if (rva < listing_.section_rva) invalid_at(target);
            const std::size_t offset = rva - listing_.section_rva;
            require(offset, size);
            listing_.resources.push_back(
                PeResource{type, name, language.ordinal, stamp, rva, section_.subspan(offset, size)});
        });
    }

    // A name string: a 16-bit length, then that many UTF-16 units.
    NameOrOrdinal string_at(std::size_t offset) {
        require(offset, 2);
        const std::size_t length = pe::get_u16(section_, offset);
        require(offset + 2, length * 2);
        std::u16string text(length, u'\0');
        for (std::size_t i = 0; i < length; ++i) text[i] = pe::get_u16(section_, offset + 2 + 2 * i);
        return NameOrOrdinal::of_text(std::move(text));
    }

    void require(std::size_t offset, std::size_t count) const {
        if (offset > section_.size() || count > section_.size() - offset) invalid_at(offset);
    }

    [[noreturn]] void invalid_at(std::size_t offset) const { throw InvalidModule{listing_.section_position + offset}; }

    PeResourceListing& listing_;
    std::span<const std::uint8_t> section_;
    std::size_t entry_budget_;
};

class MemorySource : public ModuleSource {
public:
    explicit MemorySource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::uint64_t size() const override { return bytes_.size(); }
    bool read(std::uint64_t offset, std::span<std::uint8_t> out) override {
        if (offset > bytes_.size() || out.size() > bytes_.size() - offset) return false;
        std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(offset), out.size(), out.begin());
        return true;
    }

private:
    std::span<const std::uint8_t> bytes_;
};

class FileSource : public ModuleSource {
public:
    FileSource(std::ifstream& in, std::uint64_t size) : in_(in), size_(size) {}
    std::uint64_t size() const override { return size_; }
    bool read(std::uint64_t offset, std::span<std::uint8_t> out) override {
        if (offset > size_ || out.size() > size_ - offset) return false;
        in_.clear();
        in_.seekg(static_cast<std::streamoff>(offset));
        in_.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(out.size()));
        return static_cast<std::size_t>(in_.gcount()) == out.size();
    }

private:
    std::ifstream& in_;
    std::uint64_t size_;
};

std::vector<std::uint8_t> read_bytes(ModuleSource& module, std::uint64_t offset, std::size_t count) {
    // Checked before anything is allocated: a size field may claim gigabytes.
    if (offset > module.size() || count > module.size() - offset) throw InvalidModule{offset};
    std::vector<std::uint8_t> bytes(count);
    if (!module.read(offset, bytes)) throw InvalidModule{offset};
    return bytes;
}

}  // namespace

void walk_resource_directory(PeResourceListing& listing) {
    try {
        DirectoryWalk(listing).run();
    } catch (const InvalidModule& invalid) {
        listing.outcome = Outcome::invalid;
        listing.fault_offset = invalid.offset;
    }
}

PeResourceListing list_pe_resources(ModuleSource& module) {
    PeResourceListing listing;
    try {
        const auto dos = read_bytes(module, 0, pe::dos_header_size);
        if (dos[0] != 'M' || dos[1] != 'Z') throw InvalidModule{0};
        const std::uint32_t nt_position = pe::get_u32(dos, 60);

        const auto fixed = read_bytes(module, nt_position, 4 + pe::file_header_size + 2);
        if (pe::get_u32(fixed, 0) != 0x00004550) throw InvalidModule{nt_position};
        const std::uint16_t magic = pe::get_u16(fixed, 24);
        const std::size_t nt_size = pe::nt_headers_size(magic);
        if (nt_size == 0) throw InvalidModule{nt_position + 4 + pe::file_header_size};
        // The whole optional header must be there.
        const std::uint32_t size_of_headers = pe::get_u32(read_bytes(module, nt_position, nt_size), 24 + 60);

        // The section table follows the optional header as its size field gives it, inside the
        // headers the module declares (where the loader reads it).
        const std::size_t sections = pe::get_u16(fixed, 6);
        const std::uint64_t table = std::uint64_t{nt_position} + 4 + pe::file_header_size + pe::get_u16(fixed, 20);
        if (table + sections * pe::section_header_size > size_of_headers) {
            throw InvalidModule{std::uint64_t{nt_position} + 4 + 16};
        }
        if (sections == 0) {
            listing.outcome = Outcome::no_resources;
            return listing;
        }
        for (std::size_t i = 0; i < sections; ++i) {
            const auto header = read_bytes(module, table + i * pe::section_header_size, pe::section_header_size);
            const pe::Section section = pe::parse_section(header);
            if (!section.is_resource_section()) continue;
            listing.section = std::make_shared<const std::vector<std::uint8_t>>(
                read_bytes(module, section.pointer_to_raw_data, section.size_of_raw_data));
            listing.section_rva = section.virtual_address;
            listing.section_position = section.pointer_to_raw_data;
            walk_resource_directory(listing);
            return listing;
        }
        listing.outcome = Outcome::no_resources;
    } catch (const InvalidModule& invalid) {
        listing.outcome = Outcome::invalid;
        listing.fault_offset = invalid.offset;
    }
    return listing;
}

PeResourceListing list_pe_resources(std::span<const std::uint8_t> module) {
    MemorySource source(module);
    return list_pe_resources(source);
}

Result<PeResourceListing> list_pe_resources(const std::filesystem::path& path) {
    auto in = open_regular_file(path);
    if (!in) return Error{in.error()};
    in->seekg(0, std::ios::end);
    const auto size = in->tellg();
    if (size < 0) return file_error(path, u"The file cannot be read.");
    FileSource source(*in, static_cast<std::uint64_t>(size));
    return list_pe_resources(source);
}

}  // namespace tavorin
