#pragma once
// Resources of PE modules (".exe", ".dll", ".ocx", ".mui"), 32-bit and 64-bit: reading the
// resource directory into the project and writing the project into a module as a new resource
// section.

#include <filesystem>

#include "base/result.h"
#include "formats/compiled_import.h"

namespace tavorin {

class Workspace;

// Reads the resources of the module's resource section into workspace.project() (which the
// caller has closed), in directory order, through the import dispatch. A module without a
// resource section is not an error: "No resource found in PE file." is shown (captioned
// "Tavorin") and logged, and the project stays empty. A malformed module fails with
// "<file>, offset 0x<where>: Invalid PE file." (shown captioned "Error" and logged); resources
// read before the fault stay in the project.
Status read_pe_file(Workspace& workspace, const std::filesystem::path& path, const CompiledImportTables& tables);

// Writes the project's resources into the module `target`, which is rebuilt from a backup
// copy ("<target>.1", or the first free number) with its resource section replaced or
// appended. When the target does not exist a new module is made from the built-in template.
// The backup lives only during the save: it is deleted after success and failure alike (the
// target is replaced only by a complete module, so a failure leaves the user's module as it
// was); backups of earlier saves are never touched. A backup that cannot be made (no space, no
// permission) leaves nothing behind and ends the save with the system's reason. A read-only
// target is replaced only when the user answers Yes. The returned message says what happened
// (it is also shown and logged).
Status write_pe_file(Workspace& workspace, const std::filesystem::path& target);

}  // namespace tavorin
