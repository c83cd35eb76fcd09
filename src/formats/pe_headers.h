#pragma once
// The parts of a PE module's headers that the resource reader and writer use: the DOS header's
// `e_lfanew`, the file header, the optional header of PE32 (0x10B) and PE32+ (0x20B) modules
// with its 16 data directories, and the section table. Fields are read from and written back to
// their byte positions, never through structs laid over the bytes.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tavorin::pe {

inline constexpr std::size_t dos_header_size = 64;
inline constexpr std::size_t file_header_size = 20;
inline constexpr std::size_t section_header_size = 40;
inline constexpr std::uint16_t magic_pe32 = 0x10B;
inline constexpr std::uint16_t magic_pe32_plus = 0x20B;
inline constexpr std::size_t optional_header_size_pe32 = 224;
inline constexpr std::size_t optional_header_size_pe32_plus = 240;
inline constexpr std::size_t data_directory_count = 16;
inline constexpr std::size_t resource_directory = 2;
inline constexpr std::size_t certificate_directory = 4;

// Little-endian fields at byte offsets, bounds checked by the caller.
std::uint16_t get_u16(std::span<const std::uint8_t> bytes, std::size_t offset);
std::uint32_t get_u32(std::span<const std::uint8_t> bytes, std::size_t offset);
void put_u16(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value);
void put_u32(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value);

struct Section {
    std::array<std::uint8_t, 8> name{};
    std::uint32_t virtual_size = 0;
    std::uint32_t virtual_address = 0;
    std::uint32_t size_of_raw_data = 0;
    std::uint32_t pointer_to_raw_data = 0;
    std::uint32_t pointer_to_relocations = 0;
    std::uint32_t pointer_to_linenumbers = 0;
    std::uint16_t number_of_relocations = 0;
    std::uint16_t number_of_linenumbers = 0;
    std::uint32_t characteristics = 0;

    // Named ".rsrc" as far as the resource reader asks: bytes 4 to 7 are "c" and three zeros.
    bool is_resource_section() const;
};

Section parse_section(std::span<const std::uint8_t> bytes);
void write_section(const Section& section, std::span<std::uint8_t> bytes);

struct DataDirectory {
    std::uint32_t virtual_address = 0;
    std::uint32_t size = 0;
};

// The NT headers (signature, file header, optional header) of a module, as bytes with typed
// access to the fields the resource writer changes.
class NtHeaders {
public:
    // The headers at `e_lfanew`; nothing when the signature, the magic or the sizes are wrong.
    static std::optional<NtHeaders> parse(std::span<const std::uint8_t> module, std::size_t position);

    bool pe32_plus() const { return magic() == magic_pe32_plus; }
    std::uint16_t magic() const { return get_u16(bytes_, 24); }
    std::size_t size() const { return bytes_.size(); }
    std::span<const std::uint8_t> bytes() const { return bytes_; }

    std::uint16_t number_of_sections() const { return get_u16(bytes_, 6); }
    void set_number_of_sections(std::uint16_t count) { put_u16(bytes_, 6, count); }
    std::uint32_t pointer_to_symbol_table() const { return get_u32(bytes_, 12); }
    void set_pointer_to_symbol_table(std::uint32_t value) { put_u32(bytes_, 12, value); }
    std::uint16_t size_of_optional_header() const { return get_u16(bytes_, 20); }

    std::uint32_t size_of_initialized_data() const { return get_u32(bytes_, 24 + 8); }
    void set_size_of_initialized_data(std::uint32_t value) { put_u32(bytes_, 24 + 8, value); }
    std::uint32_t section_alignment() const { return get_u32(bytes_, 24 + 32); }
    std::uint32_t file_alignment() const { return get_u32(bytes_, 24 + 36); }
    std::uint32_t size_of_image() const { return get_u32(bytes_, 24 + 56); }
    void set_size_of_image(std::uint32_t value) { put_u32(bytes_, 24 + 56, value); }
    std::uint32_t size_of_headers() const { return get_u32(bytes_, 24 + 60); }
    void set_size_of_headers(std::uint32_t value) { put_u32(bytes_, 24 + 60, value); }

    DataDirectory directory(std::size_t index) const;
    void set_directory(std::size_t index, DataDirectory directory);

private:
    explicit NtHeaders(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
    std::size_t directories_offset() const { return 24 + (pe32_plus() ? 112 : 96); }

    std::vector<std::uint8_t> bytes_;
};

// The size of the NT headers for the optional header's magic (248 or 264); 0 for another magic.
std::size_t nt_headers_size(std::uint16_t magic);

constexpr std::uint64_t align_up(std::uint64_t value, std::uint64_t alignment) {
    return alignment == 0 ? value : (value + alignment - 1) / alignment * alignment;
}

}  // namespace tavorin::pe
