#pragma once
// The clipboard layout of copied accelerator rows ("Tavorin_Accelerator"): a 32-bit row count,
// then for each row its identifier text (UTF-16 with a terminating zero), a flags word and a key
// word with the bits of the compiled table (no end flag). Unlike the compiled table, an ASCII
// row keeps its control and shift flags and its own character, so that a copy is exact.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "resources/accelerator/accelerator_table.h"

namespace tavorin {

inline constexpr std::u16string_view accelerator_clipboard_format = u"Tavorin_Accelerator";

std::vector<std::uint8_t> encode_accelerator_rows(std::span<const AcceleratorEntry> rows);

// Data that ends before the rows its count announces is refused.
Result<std::vector<AcceleratorEntry>> decode_accelerator_rows(std::span<const std::uint8_t> data,
                                                              const VirtualKeyNames& names);

}  // namespace tavorin
