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

// The plain-text copy of the rows, so that they paste into a spreadsheet: one line per row, the
// identifier and the stored text separated by a tab, lines ending in CR LF. The stored form keeps
// tabs and line breaks as escapes, so neither can appear inside a cell.
std::u16string string_rows_as_text(std::span<const StringEntry> rows);

// Rows from plain text: every non-empty line (CR LF, LF or CR) is a row; the part before its
// first tab is the identifier, the rest the text. A line without a tab is a text alone, named
// like a new string ("IDS_STRING1", which the paste numbers anew).
std::vector<StringEntry> string_rows_from_text(std::u16string_view text);

}  // namespace tavorin
