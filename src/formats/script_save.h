#pragma once
// Saving the project as a resource script: the script, its ".dlg" files and exported content,
// and the resource header beside it.

#include <filesystem>
#include <string>

namespace tavorin {

class Workspace;

struct ScriptSave {
    std::filesystem::path script;
    // The header name template expanded for this script.
    std::u16string header_name;
    // Saving under a new name: files the old script named relative to its folder are copied
    // along, and an existing header is only overwritten when the user agrees.
    bool as_new = false;
    // The folder of the file that was opened (the source of those copies).
    std::filesystem::path previous_folder;
    // Write the whole script anew even where it could be kept as it was read.
    bool rewrite = false;
};

enum class ScriptSaveResult {
    saved,
    // The user declined to overwrite the header or gave up on a file that could not be written:
    // the caller forgets the path and does not mark the project saved.
    cancelled,
};

ScriptSaveResult save_script(Workspace& workspace, const ScriptSave& save);

}  // namespace tavorin
