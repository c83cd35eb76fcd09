#pragma once
// A save onto a read-only file replaces it only when the user says so.

#include <filesystem>

#include "base/file_io.h"
#include "base/result.h"

namespace tavorin {

class UserPrompts;

// How a save may write `path`: a writable or new file is written; a read-only one only after the
// user answered Yes (a run without questions never does), else the error to end the save with.
Result<ReadOnlyTarget> read_only_permission(UserPrompts& prompts, const std::filesystem::path& path);

}  // namespace tavorin
