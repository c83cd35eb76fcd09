#pragma once
// Runs every enabled check over a project and gives each finding its place: the file and line
// of the statement (or of the item inside it) for a project read from a script, the input file
// and the resource's record for compiled input.

#include <filesystem>

#include "base/text_file.h"
#include "checks/check_context.h"

namespace tavorin {

struct CheckRun {
    const Project& project;
    const SymbolTable& symbols;
    // The file the project was read from.
    std::filesystem::path input;
    FontMeasurer* measurer = nullptr;
    // Decodes ANSI script files when they are read again for lines.
    AnsiDecoder ansi;
};

Findings run_checks(const CheckRun& run, const CheckOptions& options);

// The type as scripts name it ("DIALOG", "MENU", "STRINGTABLE", ...).
std::u16string_view kind_keyword(ResourceKind kind);

}  // namespace tavorin
