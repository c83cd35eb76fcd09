#pragma once
// The built-in template module: a 1,024-byte 32-bit executable without resources, from which a
// save to a module that does not exist yet starts. The program carries it LZMA-compressed in
// the "alone" layout (5 property bytes, the 64-bit unpacked size, the compressed stream).

#include <cstdint>
#include <span>
#include <vector>

#include "base/result.h"

namespace tavorin {

// The compressed template as the program carries it: an embedded array in the Linux build, the
// program's resource 3 of type 102 in the Windows build.
std::span<const std::uint8_t> compressed_pe_template();

// Unpacks an LZMA stream in the "alone" layout. Streams that claim more than `max_size` bytes,
// or end early, fail.
Result<std::vector<std::uint8_t>> unpack_lzma_alone(std::span<const std::uint8_t> stream,
                                                    std::size_t max_size = 1 << 20);

// The unpacked template.
Result<std::vector<std::uint8_t>> pe_template();

}  // namespace tavorin
