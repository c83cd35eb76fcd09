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

// Writes the project's resources into the module `target`: a new module made in one piece from
// `base_module` (the module a project read from another file is saved as), else from the target
// itself, else (no such file) from the built-in template, with its resource section replaced or
// appended, replaces the target only when complete, so a failure leaves the user's module as it
// was. A read-only target is replaced only when the user answers Yes. The returned message says
// what happened (it is also shown and logged).
Status write_pe_file(Workspace& workspace, const std::filesystem::path& target,
                     const std::filesystem::path& base_module = {});

}  // namespace tavorin
