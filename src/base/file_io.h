#pragma once
// Whole-file reads and safe writes. A write goes to a temporary file in the target's folder and
// replaces the target only when complete, so a failure never destroys what was there.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "base/result.h"

namespace tavorin {

Result<std::vector<std::uint8_t>> read_file_bytes(const std::filesystem::path& path);

Status write_file_atomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// The path as the user sees it in messages and scripts: with the system's own separators
// (backslashes on Windows, where std::filesystem's generic form would show forward slashes).
std::u16string display_path(const std::filesystem::path& path);

}  // namespace tavorin
