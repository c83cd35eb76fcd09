// Writes the template module that new PE modules start from, LZMA-compressed in the "alone"
// layout: 5 property bytes (0x5D, dictionary 0x01000000), the unpacked size as a 64-bit value,
// then the compressed stream.
//
//   generate_pe_template <output> [<unpacked output>]
//
// The module is a 1,024-byte 32-bit Windows GUI executable without resources: one ".text"
// section whose code calls ExitProcess(0), imported from KERNEL32.dll. The program appends a
// resource section to it when it saves a project as a new module.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <vector>

extern "C" {
#include "LzmaEnc.h"
}

namespace {

class Image {
public:
    explicit Image(std::size_t size) : bytes_(size, 0) {}

    void u8(std::size_t offset, std::uint8_t value) { bytes_.at(offset) = value; }
    void u16(std::size_t offset, std::uint16_t value) {
        u8(offset, static_cast<std::uint8_t>(value));
        u8(offset + 1, static_cast<std::uint8_t>(value >> 8));
    }
    void u32(std::size_t offset, std::uint32_t value) {
        u16(offset, static_cast<std::uint16_t>(value));
        u16(offset + 2, static_cast<std::uint16_t>(value >> 16));
    }
    void bytes(std::size_t offset, const void* data, std::size_t size) {
        const auto* source = static_cast<const std::uint8_t*>(data);
        for (std::size_t i = 0; i < size; ++i) u8(offset + i, source[i]);
    }
    void text(std::size_t offset, const char* text) { bytes(offset, text, std::strlen(text) + 1); }

    const std::vector<std::uint8_t>& data() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

constexpr std::uint32_t image_base = 0x00400000;
constexpr std::size_t nt_headers = 0xD0;
constexpr std::size_t optional_header = nt_headers + 4 + 20;
constexpr std::size_t section_table = optional_header + 224;
constexpr std::size_t text_file_offset = 0x200;
constexpr std::uint32_t text_rva = 0x1000;

// Layout of ".text" (addresses relative to the image base).
constexpr std::uint32_t import_address_table = 0x1000;  // 8 bytes: ExitProcess, 0
constexpr std::uint32_t entry_point = 0x1010;
constexpr std::uint32_t import_descriptors = 0x101C;  // KERNEL32.dll and the terminating one
constexpr std::uint32_t import_lookup_table = 0x1044;
constexpr std::uint32_t exit_process_hint = 0x104C;
constexpr std::uint32_t kernel32_name = 0x105A;
constexpr std::uint32_t text_size = 0x68;

std::size_t in_text(std::uint32_t rva) { return text_file_offset + (rva - text_rva); }

Image build_template() {
    Image image(1024);

    // DOS header and the usual stub that prints a notice when run under DOS.
    image.u16(0x00, 0x5A4D);  // "MZ"
    image.u16(0x02, 0x0090);
    image.u16(0x04, 0x0003);
    image.u16(0x08, 0x0004);
    image.u16(0x0C, 0xFFFF);
    image.u16(0x10, 0x00B8);
    image.u16(0x18, 0x0040);
    image.u32(0x3C, nt_headers);  // e_lfanew
    const std::uint8_t stub[] = {0x0E, 0x1F, 0xBA, 0x0E, 0x00, 0xB4, 0x09, 0xCD, 0x21, 0xB8, 0x01, 0x4C, 0xCD, 0x21};
    image.bytes(0x40, stub, sizeof stub);
    image.bytes(0x4E, "This program cannot be run in DOS mode.\r\r\n$", 43);

    // PE signature and file header.
    image.u32(nt_headers, 0x00004550);
    image.u16(nt_headers + 4, 0x014C);   // Machine: x86
    image.u16(nt_headers + 6, 1);        // NumberOfSections
    image.u16(nt_headers + 20, 224);     // SizeOfOptionalHeader
    image.u16(nt_headers + 22, 0x0103);  // relocations stripped, executable, 32-bit machine

    // Optional header (PE32).
    const std::size_t o = optional_header;
    image.u16(o + 0, 0x010B);
    image.u8(o + 2, 6);  // linker version 6.0
    image.u32(o + 4, 0x200);  // SizeOfCode
    image.u32(o + 8, 0);      // SizeOfInitializedData
    image.u32(o + 16, entry_point);
    image.u32(o + 20, text_rva);  // BaseOfCode
    image.u32(o + 24, 0x2000);    // BaseOfData
    image.u32(o + 28, image_base);
    image.u32(o + 32, 0x1000);  // SectionAlignment
    image.u32(o + 36, 0x200);   // FileAlignment
    image.u16(o + 40, 4);       // operating system version 4.0
    image.u16(o + 48, 4);       // subsystem version 4.0
    image.u32(o + 56, 0x2000);  // SizeOfImage
    image.u32(o + 60, 0x200);   // SizeOfHeaders
    image.u16(o + 68, 2);       // Subsystem: Windows GUI
    image.u16(o + 70, 0x8400);  // DllCharacteristics: no SEH, terminal-server aware
    image.u32(o + 72, 0x100000);  // stack reserve
    image.u32(o + 76, 0x1000);    // stack commit
    image.u32(o + 80, 0x100000);  // heap reserve
    image.u32(o + 84, 0x1000);    // heap commit
    image.u32(o + 92, 16);        // NumberOfRvaAndSizes
    const std::size_t directories = o + 96;
    image.u32(directories + 8 * 1, import_descriptors);  // import table
    image.u32(directories + 8 * 1 + 4, 0x28);
    image.u32(directories + 8 * 12, import_address_table);  // import address table
    image.u32(directories + 8 * 12 + 4, 8);

    // Section table: ".text".
    image.bytes(section_table, ".text\0\0\0", 8);
    image.u32(section_table + 8, text_size);
    image.u32(section_table + 12, text_rva);
    image.u32(section_table + 16, 0x200);
    image.u32(section_table + 20, text_file_offset);
    image.u32(section_table + 36, 0x60000020);  // code, executable, readable

    // ".text": the import address table, the entry point, the imports.
    image.u32(in_text(import_address_table), exit_process_hint);
    const std::uint8_t code[] = {
        0x6A, 0x00,  // push 0
        0xFF, 0x15, 0, 0, 0, 0,  // call dword ptr [ExitProcess]
    };
    image.bytes(in_text(entry_point), code, sizeof code);
    image.u32(in_text(entry_point) + 4, image_base + import_address_table);
    image.u32(in_text(import_descriptors), import_lookup_table);  // OriginalFirstThunk
    image.u32(in_text(import_descriptors) + 12, kernel32_name);
    image.u32(in_text(import_descriptors) + 16, import_address_table);  // FirstThunk
    image.u32(in_text(import_lookup_table), exit_process_hint);
    image.text(in_text(exit_process_hint) + 2, "ExitProcess");
    image.text(in_text(kernel32_name), "KERNEL32.dll");
    return image;
}

void* allocate(void*, size_t size) { return std::malloc(size); }
void release(void*, void* address) { std::free(address); }

std::vector<std::uint8_t> compress(const std::vector<std::uint8_t>& data) {
    CLzmaEncProps properties;
    LzmaEncProps_Init(&properties);
    properties.level = 9;
    properties.dictSize = 0x01000000;
    properties.lc = 3;
    properties.lp = 0;
    properties.pb = 2;
    properties.numThreads = 1;

    std::vector<std::uint8_t> out(LZMA_PROPS_SIZE + 8 + data.size() + data.size() / 2 + 1024);
    SizeT properties_size = LZMA_PROPS_SIZE;
    SizeT packed_size = out.size() - LZMA_PROPS_SIZE - 8;
    ISzAlloc allocator{allocate, release};
    const SRes result = LzmaEncode(out.data() + LZMA_PROPS_SIZE + 8, &packed_size, data.data(), data.size(),
                                   &properties, out.data(), &properties_size, 0, nullptr, &allocator, &allocator);
    if (result != SZ_OK || properties_size != LZMA_PROPS_SIZE) {
        std::fprintf(stderr, "generate_pe_template: LZMA encoding failed (%d)\n", static_cast<int>(result));
        std::exit(1);
    }
    const std::uint64_t size = data.size();
    for (int i = 0; i < 8; ++i) out[LZMA_PROPS_SIZE + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(size >> (8 * i));
    out.resize(LZMA_PROPS_SIZE + 8 + packed_size);
    return out;
}

bool write(const char* path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: generate_pe_template <output> [<unpacked output>]\n");
        return 2;
    }
    const Image image = build_template();
    if (!write(argv[1], compress(image.data()))) {
        std::fprintf(stderr, "generate_pe_template: cannot write %s\n", argv[1]);
        return 1;
    }
    if (argc == 3 && !write(argv[2], image.data())) {
        std::fprintf(stderr, "generate_pe_template: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
