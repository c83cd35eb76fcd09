#pragma once
// The header name template ("resource.h", "%barefilename%_res.h", ...) applied to a script's path,
// and where the header goes.

#include <filesystem>
#include <string>
#include <string_view>

namespace tavorin {

// Replaces, case-sensitively, "%barefilename%" by the script's file name up to its last dot (the
// whole name when it has none), "%filename%" by the file name and "%filepath%" by the script's
// folder without a trailing separator. For C:\dir\script.rc: script, script.rc and C:\dir.
// Callers keep their previous expansion while there is no script path.
std::u16string expand_header_name(std::u16string_view name_template, std::u16string_view script_path);

// The header's path: the expanded name in the script's folder. A name that is already absolute
// (a template starting with "%filepath%") is taken as it stands rather than appended to the
// folder a second time. Scripts separate folders with backslashes; elsewhere than on Windows
// they become slashes.
std::filesystem::path header_path(const std::filesystem::path& script_path, std::u16string_view expanded_name);

// A path as scripts write it (backslashes) turned into a path of this system.
std::filesystem::path path_from_script_text(std::u16string_view text);

}  // namespace tavorin
