#pragma once
// The clipboard layout of copied string table rows ("Tavorin_StringTable"): a 32-bit row count,
// then for each row its identifier text and its stored text, each UTF-16 with a terminating zero.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "resources/stringtable/string_table.h"

namespace tavorin {

inline constexpr std::u16string_view string_table_clipboard_format = u"Tavorin_StringTable";

std::vector<std::uint8_t> encode_string_rows(std::span<const StringEntry> rows);

// Data that ends before the rows its count announces is refused.
Result<std::vector<StringEntry>> decode_string_rows(std::span<const std::uint8_t> data);

}  // namespace tavorin
