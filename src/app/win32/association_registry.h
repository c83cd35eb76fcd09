#pragma once
// Writes the ".rc" association into the registry: under HKEY_CURRENT_USER for the user (no
// elevation), or HKEY_LOCAL_MACHINE in the elevated "-associateFiles" run. Keys get the default
// security of their parent; the shell is told afterwards.

#include "platform/win32/windows_api.h"

#include <filesystem>

namespace tavorin {

enum class AssociationScope { user, machine };

bool write_file_association(AssociationScope scope, const std::filesystem::path& executable);

}  // namespace tavorin
