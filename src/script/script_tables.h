#pragma once
// The tables a script reading fills that outlive it: the macros (emptied at the start of every
// reading, read afterwards by the parser and the symbol table) and the virtual-key names (kept
// across readings). The workspace holds one of each.

#include <filesystem>
#include <vector>

#include "script/macro_table.h"
#include "resources/accelerator/virtual_key_names.h"

namespace tavorin {

struct ScriptTables {
    MacroTable macros;
    VirtualKeyNames virtual_keys;
    // Where no one can be asked (the conversion mode), a missing include ends the reading with
    // an error instead of being passed over.
    bool missing_include_fails = false;
    // Every file the last reading opened (the script, then the files it included), each once, in
    // the order first opened: what a build's dependency file lists.
    std::vector<std::filesystem::path> files_read;
    // Names undefined after the predefined ones and the run's definitions (a compiler's -U).
    std::vector<std::u16string> undefinitions;
};

}  // namespace tavorin
