#pragma once
// Which names of files inside an update archive may be written below the program's folder.
//
// A name is a relative path of plain file names joined by "/": no backslash, no drive or stream
// (":"), no empty, "." or ".." part, no character Windows refuses in file names, no part that
// ends in a dot or a blank (Windows drops them, so "a." would land on "a"), and no reserved
// device name (CON, PRN, AUX, NUL, COM1-9, LPT1-9, with or without an extension). So nothing
// can be written outside the folder the archive is unpacked into.

#include <cstddef>
#include <string_view>

namespace tavorin {

inline constexpr std::size_t max_archive_name_length = 200;
inline constexpr std::size_t max_archive_name_depth = 3;

bool is_safe_archive_entry_name(std::u16string_view name);

bool is_reserved_device_name(std::u16string_view file_name);

}  // namespace tavorin
