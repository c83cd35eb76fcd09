#pragma once
// The system's open and save dialogs.

#include "platform/win32/windows_api.h"

#include <filesystem>
#include <optional>

#include "platform/platform.h"

namespace tavorin {

// The file must exist; none on Cancel.
std::optional<std::filesystem::path> ask_open_path(HWND owner, const FileChoice& choice);

// Asks before overwriting; none on Cancel.
std::optional<std::filesystem::path> ask_save_path(HWND owner, const FileChoice& choice);

}  // namespace tavorin
