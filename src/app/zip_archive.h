#pragma once
// Reading ZIP archives (the update's package): the central directory and each file's bytes,
// stored or deflated, checked against their CRC-32. Every offset and size is checked against the
// archive; ZIP64, encryption, multi-disk archives and other methods are refused.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/result.h"
#include "services/ui_strings.h"

namespace tavorin {

// Unpacked sizes above this are refused, per file and for the whole archive.
inline constexpr std::uint64_t max_unpacked_archive_size = std::uint64_t{256} << 20;

struct ZipEntry {
    std::u16string name;  // as stored, "/" between folders; a folder's name ends in "/"
    std::uint16_t method = 0;  // 0 stored, 8 deflated
    std::uint32_t crc32 = 0;
    std::uint32_t packed_size = 0;
    std::uint32_t size = 0;
    std::uint32_t local_header_offset = 0;

    bool is_folder() const { return !name.empty() && name.back() == u'/'; }
};

// The entries of the central directory, in archive order.
Result<std::vector<ZipEntry>> read_zip_directory(std::span<const std::uint8_t> archive, const UiStrings& strings);

// One file's bytes, inflated when deflated, with size and CRC-32 checked.
Result<std::vector<std::uint8_t>> read_zip_entry(std::span<const std::uint8_t> archive, const ZipEntry& entry,
                                                 const UiStrings& strings);

}  // namespace tavorin
