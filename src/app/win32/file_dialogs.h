#pragma once
// The open and save dialogs of the project commands.

#include "platform/win32/windows_api.h"

#include <filesystem>
#include <optional>
#include <string>

namespace tavorin {

// The file must exist; default extension "rc"; `filter` is a UI string of descriptions and
// patterns separated by NULs.
std::optional<std::filesystem::path> ask_open_path(HWND owner, const std::u16string& filter);

// Asks before overwriting; `filter_index` (1-based) is the filter preselected.
std::optional<std::filesystem::path> ask_save_path(HWND owner, const std::u16string& filter, int filter_index);

}  // namespace tavorin
