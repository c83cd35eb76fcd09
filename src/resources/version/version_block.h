#pragma once
// VS_VERSIONINFO, the compiled version resource: a root block with the fixed information, then
// StringFileInfo (one string table per block, each string a header, its key and its value) and
// VarFileInfo (the Translation list). Every header starts at a multiple of four; lengths are
// written as placeholders and patched once their block is complete.

#include <cstdint>
#include <memory>
#include <span>

#include "base/binary_buffer.h"
#include "base/result.h"
#include "resources/version/version_info.h"

namespace tavorin {

namespace version_block {
inline constexpr std::uint32_t signature = 0xFEEF04BD;
inline constexpr std::uint32_t structure_version = 0x00010000;
inline constexpr std::uint16_t fixed_size = 52;
inline constexpr std::uint16_t binary_type = 0;
inline constexpr std::uint16_t text_type = 1;
}  // namespace version_block

// Values are written with their escapes resolved. A resource whose blocks would not fit the
// 16-bit lengths is refused rather than written with wrapped lengths.
Status encode_version_info(const VersionInfo& version, BinaryBuffer& out);

// A version resource from RT_VERSION data. The fixed information is taken as it stands; string
// blocks keep their file order and the order of their strings, values come back in stored form.
// The Translation values are not read: the translation list is always the set of blocks. A
// string table whose name is not eight hexadecimal digits, and data that ends early, are errors.
// The caller names the resource and adds it to the project.
Result<std::unique_ptr<VersionInfo>> decode_version_info(std::span<const std::uint8_t> data);

}  // namespace tavorin
