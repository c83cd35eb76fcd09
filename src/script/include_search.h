#pragma once
// Where included files are looked for: the configured include paths, each followed by all of
// its subdirectories, and the rules that turn an included name into a file.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavorin {

// A configured path is taken relative to the executable's folder unless it is absolute ("C:..."
// anywhere, or starting with "/" where that is the file system's root). Each path is followed
// by its subdirectories, depth first in name order; names starting with "." are skipped.
std::vector<std::filesystem::path> build_include_search_list(const std::vector<std::u16string>& configured,
                                                             const std::filesystem::path& executable_folder);

// "C:\..." (the second character is a colon) or, outside Windows, "/...".
bool is_absolute_name(std::u16string_view name);

// An included name as a path: backslashes and slashes both separate folders.
std::filesystem::path included_name_to_path(std::u16string_view name);

// The existing regular file `relative` inside `folder`. Where the file system tells letter cases
// apart, a name that differs only in case is found as well: scripts written on Windows rarely
// spell their includes as the files are spelled.
std::optional<std::filesystem::path> find_file_in(const std::filesystem::path& folder,
                                                  const std::filesystem::path& relative);

}  // namespace tavorin
