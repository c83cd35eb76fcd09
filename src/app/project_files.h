#pragma once
// Reading and writing the whole project by the kind of its file, with no window: the main
// window's open and save and the conversion mode share these. Questions go through the session
// (suppressed while it is not interactive).

#include <filesystem>
#include <optional>
#include <string>

#include "base/file_kind.h"
#include "model/code_context.h"
#include "resources/image/image_numbers.h"
#include "script/read_status.h"
#include "script/script_tables.h"

namespace tavorin {

class Session;

// What readings fill besides the project and keep beyond it: the macros and key names of the
// script reader, and the counters that number icon and cursor images (the groups made from a
// reading keep numbering their new images with them, so these outlive the project's resources).
struct ReadingTables {
    ScriptTables script;
    ImageNumbers image_numbers;
};

// Reads the file into session.project(), which the caller has emptied, on the calling thread:
// scripts through the script reader, modules and compiled resource files through their readers.
// A kind that cannot be read fails with "The file type is not supported.", which is logged; the
// readers log and show their own failures. A script failure carries its file and line for the
// parse-error report.
ReadStatus read_project_file(Session& session, ReadingTables& tables, const std::filesystem::path& path);

struct ProjectWrite {
    std::filesystem::path target;
    // The header name template expanded for the target (scripts only).
    std::u16string header_name;
    // Saving under a new name (Save As, New project).
    bool as_new = false;
    // The file the project was opened from: a new module starts as a copy of an opened module.
    std::filesystem::path opened_path;
    FileKind opened_kind = FileKind::unsupported;
    // Where the relative file names of file-based resources start: the folder of the script that
    // named them. A new script takes those files along; a compiled file reads them.
    std::filesystem::path content_folder;
    // How C/C++ code turns dialog units into pixels: the program passes its screen's fonts and
    // frames; without one, the portable context of the session's options.
    std::optional<CodeContext> code{};
    // A script is written whole even where it could be kept as it was read.
    bool rewrite = false;
};

enum class WriteOutcome {
    written,
    // C/C++ code: written, but it is not the project's own file, so the project's saved state
    // does not change.
    code_written,
    // The user gave up (a header not to be overwritten, a file that could not be written).
    cancelled,
    // The writer stopped on an error, which it has shown and logged.
    failed,
    // "The file type is not supported." (shown captioned "Error" and logged).
    unsupported,
};

WriteOutcome write_project_file(Session& session, const ProjectWrite& write);

// Before a compiled save every file-based resource that still names its file reads it, relative
// to `project_folder`. A file that cannot be read is logged as a warning and the resource keeps
// naming it, so the project does not lose it; the compiled writer then leaves it out.
void load_file_contents(Session& session, const std::filesystem::path& project_folder);

}  // namespace tavorin
