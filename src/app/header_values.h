#pragma once
// The numbers a project's own headers define. New identifiers must not take any of them, even
// where the script uses no such name, and where the header keeps the counters of the next new
// values (_APS_NEXT_RESOURCE_VALUE and the others) new identifiers continue from them.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavorin {

class Platform;
class Project;
class SymbolTable;

struct HeaderDefine {
    std::u16string name;
    std::int32_t value = 0;
};

// The "#define NAME NUMBER" lines of a header (decimal or hexadecimal numbers, possibly in
// parentheses or with a U or L suffix); other lines are passed over.
std::vector<HeaderDefine> numeric_defines(std::u16string_view header_text);

// Reserves the defined values in the table and takes the header's counters.
void note_header_defines(SymbolTable& symbols, std::span<const HeaderDefine> defines);

// The project's own header (`header_name`, beside the script) and the other quoted includes of
// the script, read and noted; a header that cannot be read is passed over, as the reading has
// reported it.
void note_project_headers(SymbolTable& symbols, const Project& project, const std::filesystem::path& script_folder,
                          std::u16string_view header_name, Platform& platform);

}  // namespace tavorin
