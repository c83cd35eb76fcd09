#pragma once
// Raw data written into the script itself, between BEGIN and END (see base/data_words_text.h).

#include <cstdint>
#include <span>
#include <string_view>

#include "base/text_writer.h"

namespace tavorin {

// NAME, the type keyword, then the block.
void write_inline_data(TextWriter& out, std::u16string_view name, std::u16string_view keyword,
                       std::span<const std::uint8_t> bytes);

}  // namespace tavorin
