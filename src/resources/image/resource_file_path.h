#pragma once
// The files that file-based resources name: finding them, checking a typed path, and choosing
// the name of a newly exported file.

#include <filesystem>
#include <string>
#include <string_view>

#include "base/result.h"
#include "services/ui_strings.h"

namespace tavorin {

inline constexpr std::size_t max_resource_path_length = 259;

// The file a script's path text names: relative paths start at the script's folder. Scripts
// separate folders with backslashes; elsewhere than on Windows they become slashes.
std::filesystem::path resolve_resource_path(std::u16string_view path_text, const std::filesystem::path& folder);

// Whether a script's path text names its file from the root rather than from the script's folder.
bool is_absolute_resource_path(std::u16string_view path_text);
// The same file named from the root, or from the script's folder (a file on another drive keeps its
// absolute path). Folders are separated as the system does.
std::u16string absolute_resource_path(std::u16string_view path_text, const std::filesystem::path& folder);
std::u16string relative_resource_path(std::u16string_view path_text, const std::filesystem::path& folder);

// A path typed into the file property: 260 characters or more is "File name is too long", a path
// that names no existing file "File doesn't exist".
Status check_resource_path(std::u16string_view path_text, const std::filesystem::path& folder,
                           const UiStrings& strings);

// The type word followed by the first number n = 1, 2, 3 ... for which type word, n, a dot and
// the extension name no existing file in the folder: bitmap1.bmp, icon2.ico.
std::u16string numbered_file_name(std::u16string_view type_word, std::u16string_view extension,
                                  const std::filesystem::path& folder);

}  // namespace tavorin
