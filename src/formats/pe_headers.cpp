#include "formats/pe_headers.h"

#include <algorithm>

namespace tavorin::pe {

std::uint16_t get_u16(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

std::uint32_t get_u32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint32_t>(bytes[offset]) | static_cast<std::uint32_t>(bytes[offset + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[offset + 2]) << 16 | static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

void put_u16(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

void put_u32(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

bool Section::is_resource_section() const {
    return name[4] == 'c' && name[5] == 0 && name[6] == 0 && name[7] == 0;
}

Section parse_section(std::span<const std::uint8_t> bytes) {
    Section section;
    std::copy_n(bytes.begin(), 8, section.name.begin());
    section.virtual_size = get_u32(bytes, 8);
    section.virtual_address = get_u32(bytes, 12);
    section.size_of_raw_data = get_u32(bytes, 16);
    section.pointer_to_raw_data = get_u32(bytes, 20);
    section.pointer_to_relocations = get_u32(bytes, 24);
    section.pointer_to_linenumbers = get_u32(bytes, 28);
    section.number_of_relocations = get_u16(bytes, 32);
    section.number_of_linenumbers = get_u16(bytes, 34);
    section.characteristics = get_u32(bytes, 36);
    return section;
}

void write_section(const Section& section, std::span<std::uint8_t> bytes) {
    std::copy(section.name.begin(), section.name.end(), bytes.begin());
    put_u32(bytes, 8, section.virtual_size);
    put_u32(bytes, 12, section.virtual_address);
    put_u32(bytes, 16, section.size_of_raw_data);
    put_u32(bytes, 20, section.pointer_to_raw_data);
    put_u32(bytes, 24, section.pointer_to_relocations);
    put_u32(bytes, 28, section.pointer_to_linenumbers);
    put_u16(bytes, 32, section.number_of_relocations);
    put_u16(bytes, 34, section.number_of_linenumbers);
    put_u32(bytes, 36, section.characteristics);
}

std::size_t nt_headers_size(std::uint16_t magic) {
    if (magic == magic_pe32) return 4 + file_header_size + optional_header_size_pe32;
    if (magic == magic_pe32_plus) return 4 + file_header_size + optional_header_size_pe32_plus;
    return 0;
}

std::optional<NtHeaders> NtHeaders::parse(std::span<const std::uint8_t> module, std::size_t position) {
    if (position > module.size() || module.size() - position < 4 + file_header_size + 2) return std::nullopt;
    const auto at = module.subspan(position);
    if (get_u32(at, 0) != 0x00004550) return std::nullopt;
    const std::size_t size = nt_headers_size(get_u16(at, 24));
    if (size == 0 || at.size() < size) return std::nullopt;
    return NtHeaders(std::vector<std::uint8_t>(at.begin(), at.begin() + static_cast<std::ptrdiff_t>(size)));
}

DataDirectory NtHeaders::directory(std::size_t index) const {
    const std::size_t offset = directories_offset() + 8 * index;
    return DataDirectory{get_u32(bytes_, offset), get_u32(bytes_, offset + 4)};
}

void NtHeaders::set_directory(std::size_t index, DataDirectory directory) {
    const std::size_t offset = directories_offset() + 8 * index;
    put_u32(bytes_, offset, directory.virtual_address);
    put_u32(bytes_, offset + 4, directory.size);
}

}  // namespace tavorin::pe
