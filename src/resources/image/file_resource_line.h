#pragma once
// The script line of every file-based resource:
//     NAME               KEYWORD        "file name"
// the name padded to 19 characters and the keyword to 15 (at least one space after each), and
// the file name in double quotes with backslash escapes. Content that lives only in memory (an
// empty file name) writes "?": scripts are saved after such content has been exported to a file.

#include <string_view>

#include "base/text_writer.h"

namespace tavorin {

void write_file_resource_line(TextWriter& out, std::u16string_view name, std::u16string_view keyword,
                              std::u16string_view file);

// Every character below 256 with an escape letter becomes a backslash and the letter, so each
// backslash of a path is doubled.
std::u16string escape_file_name(std::u16string_view path);

}  // namespace tavorin
