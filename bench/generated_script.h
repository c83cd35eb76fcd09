#pragma once
// A large resource script with its headers, written to a folder: dialogs full of controls whose
// ids and styles are macros, string tables, comments, conditional sections, a function-like
// macro and guarded headers included many times. Plain C preprocessor syntax only, so that a C
// preprocessor can read the same files for comparison.

#include <cstddef>
#include <filesystem>

namespace tavorin::bench {

struct GeneratedScript {
    std::filesystem::path script;  // the .rc file to open
    std::size_t bytes = 0;         // size of every file written
};

GeneratedScript write_generated_script(const std::filesystem::path& folder, int dialogs);

}  // namespace tavorin::bench
