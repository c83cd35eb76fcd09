#pragma once
// Resource scripts that every resource compiler accepts, for timing whole conversions side by
// side. One unit is a dialog with its controls, a string table block of ten strings and, every
// tenth unit, a menu; inputs grow by their number of units.

#include <cstddef>
#include <filesystem>

namespace tavorin::bench {

enum class InputShape {
    // Plain numbers for every id and style; no include, no macro.
    numbers_only,
    // `#include <windows.h>` (the SDK's headers, found through the include paths) and a project
    // header of #define'd ids; styles written with the SDK's names.
    windows_header,
    // Many small headers each included once, ids and styles reached through chains of macros
    // several levels deep, and long string tables.
    nested_macros,
    // Many small resources: per unit a dialog with two controls, a menu with one item and an
    // accelerator table, numbers only.
    many_resources,
};

struct CompilerInput {
    std::filesystem::path script;  // the .rc file to convert
    std::size_t bytes = 0;         // size of every file written
};

CompilerInput write_compiler_input(const std::filesystem::path& folder, int units, InputShape shape);

}  // namespace tavorin::bench
