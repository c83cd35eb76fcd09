#pragma once
// Small PE modules for the PE reader and writer tests, laid out from a list of sections: DOS
// header at 0, NT headers at 0x80, the section table, each section's raw data at the next
// multiple of the file alignment in table order, then any overlay.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "formats/pe_headers.h"

namespace tavorin::testing {

struct TestSection {
    std::string name;
    std::uint32_t virtual_address = 0;
    std::uint32_t virtual_size = 0;
    std::vector<std::uint8_t> raw;  // padded to the file alignment when laid out
    std::uint32_t characteristics = 0x40000040;
};

struct TestModule {
    bool pe32_plus = false;
    std::vector<TestSection> sections;
    std::map<std::size_t, pe::DataDirectory> directories;
    std::vector<std::uint8_t> overlay;
    std::uint32_t file_alignment = 0x200;
    std::uint32_t section_alignment = 0x1000;
};

inline constexpr std::size_t test_nt_position = 0x80;

inline std::vector<std::uint8_t> build_module(const TestModule& spec) {
    const std::size_t nt_size = spec.pe32_plus ? 264 : 248;
    const std::size_t table_end = test_nt_position + nt_size + spec.sections.size() * pe::section_header_size;
    const std::uint32_t headers = static_cast<std::uint32_t>(pe::align_up(table_end, spec.file_alignment));
    std::vector<std::uint8_t> out(headers, 0);
    out[0] = 'M';
    out[1] = 'Z';
    pe::put_u32(out, 60, test_nt_position);

    const std::size_t nt = test_nt_position;
    const std::size_t optional = nt + 24;
    pe::put_u32(out, nt, 0x00004550);
    pe::put_u16(out, nt + 4, spec.pe32_plus ? 0x8664 : 0x14C);
    pe::put_u16(out, nt + 6, static_cast<std::uint16_t>(spec.sections.size()));
    pe::put_u16(out, nt + 20, static_cast<std::uint16_t>(nt_size - 24));
    pe::put_u16(out, nt + 22, 0x2102);  // executable, 32-bit machine, DLL
    pe::put_u16(out, optional, spec.pe32_plus ? pe::magic_pe32_plus : pe::magic_pe32);
    pe::put_u32(out, optional + 32, spec.section_alignment);
    pe::put_u32(out, optional + 36, spec.file_alignment);
    pe::put_u32(out, optional + 60, headers);
    const std::size_t directories = optional + (spec.pe32_plus ? 112 : 96);
    pe::put_u32(out, directories - 4, 16);  // NumberOfRvaAndSizes
    for (const auto& [index, directory] : spec.directories) {
        pe::put_u32(out, directories + 8 * index, directory.virtual_address);
        pe::put_u32(out, directories + 8 * index + 4, directory.size);
    }

    std::uint64_t image_end = spec.section_alignment;
    for (std::size_t i = 0; i < spec.sections.size(); ++i) {
        const TestSection& section = spec.sections[i];
        pe::Section header;
        for (std::size_t c = 0; c < section.name.size() && c < 8; ++c) header.name[c] = static_cast<std::uint8_t>(section.name[c]);
        header.virtual_address = section.virtual_address;
        header.virtual_size = section.virtual_size;
        header.characteristics = section.characteristics;
        if (!section.raw.empty()) {
            header.pointer_to_raw_data = static_cast<std::uint32_t>(out.size());
            header.size_of_raw_data = static_cast<std::uint32_t>(pe::align_up(section.raw.size(), spec.file_alignment));
            out.insert(out.end(), section.raw.begin(), section.raw.end());
            out.resize(header.pointer_to_raw_data + header.size_of_raw_data, 0);
        }
        std::vector<std::uint8_t> bytes(pe::section_header_size);
        pe::write_section(header, bytes);
        std::copy(bytes.begin(), bytes.end(), out.begin() + static_cast<std::ptrdiff_t>(nt + nt_size + i * pe::section_header_size));
        image_end = std::max<std::uint64_t>(image_end, section.virtual_address + section.virtual_size);
    }
    pe::put_u32(out, optional + 56, static_cast<std::uint32_t>(pe::align_up(image_end, spec.section_alignment)));
    out.insert(out.end(), spec.overlay.begin(), spec.overlay.end());
    return out;
}

// What the tests read back from a module: its headers and section table.
struct ModuleView {
    explicit ModuleView(const std::vector<std::uint8_t>& module)
        : bytes(module), nt_position(pe::get_u32(module, 60)), nt(*pe::NtHeaders::parse(module, nt_position)) {
        const std::size_t table = nt_position + nt.size();
        for (std::size_t i = 0; i < nt.number_of_sections(); ++i) {
            sections.push_back(pe::parse_section(std::span(module).subspan(table + i * pe::section_header_size, pe::section_header_size)));
        }
    }
    std::uint32_t optional_u32(std::size_t offset) const { return pe::get_u32(bytes, nt_position + 24 + offset); }
    std::string name(std::size_t index) const {
        const auto& n = sections.at(index).name;
        return std::string(n.begin(), std::find(n.begin(), n.end(), 0));
    }
    std::vector<std::uint8_t> raw(std::size_t index) const {
        const pe::Section& s = sections.at(index);
        return std::vector<std::uint8_t>(bytes.begin() + s.pointer_to_raw_data,
                                         bytes.begin() + s.pointer_to_raw_data + s.size_of_raw_data);
    }

    std::vector<std::uint8_t> bytes;
    std::uint32_t nt_position;
    pe::NtHeaders nt;
    std::vector<pe::Section> sections;
};

}  // namespace tavorin::testing
