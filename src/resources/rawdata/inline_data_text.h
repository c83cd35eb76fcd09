#pragma once
// Raw data written into the script itself, between BEGIN and END, as 16-bit words in
// hexadecimal; an odd last byte is a one-character string ("\x12"), since a number is always at
// least a word. Resource compilers read it back to the same bytes.

#include <cstdint>
#include <span>
#include <string_view>

#include "base/text_writer.h"

namespace tavorin {

// NAME, the type keyword, then the block.
void write_inline_data(TextWriter& out, std::u16string_view name, std::u16string_view keyword,
                       std::span<const std::uint8_t> bytes);

}  // namespace tavorin
