#pragma once
// Bytes written as script values, as inline raw data and a control's creation data hold them:
// 16-bit words in hexadecimal, eight to a line; an odd last byte is a one-character string
// ("\x12"), since a number is always at least a word. Resource compilers read it back to the
// same bytes.

#include <cstdint>
#include <span>

#include "base/text_writer.h"

namespace tavorin {

// The values only; the caller opens and closes the block around them.
void write_data_words(TextWriter& out, std::span<const std::uint8_t> bytes);

}  // namespace tavorin
