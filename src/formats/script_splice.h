#pragma once
// Saving a script that was read from disk as a minimal edit of the files it came from: the
// statement of each changed resource is replaced by the writer's text for it, a removed
// resource's statement goes, a new resource is put after the last one of its kind and language,
// and everything else (comments, directives, inactive branches, order, encoding, line ends)
// keeps its bytes. The headers get the same treatment for the symbols (header_splice.h).

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "base/result.h"
#include "formats/splice_files.h"
#include "model/script_origins.h"

namespace tavorin {

class Resource;
class Workspace;

struct ScriptSplice {
    // Every file the script was read from, the opened script first, changed or not, then the
    // project's headers.
    std::vector<SplicedFile> files;
    // Statements that could not be replaced alone (made by a macro, or split by a conditional):
    // they are written as new statements with the old text kept in a comment above them. One
    // message per statement, naming it and its place.
    std::vector<std::u16string> rewritten_regions;
    // What the save did beyond the user's edits, for the message log.
    std::vector<std::u16string> notes;
    // Where everything is once the files are written: for the project to keep after the save.
    ScriptOrigins origins;
    std::vector<std::pair<const Resource*, std::int32_t>> resource_origins;
};

// The files as the save would write them. Fails (with the file and the reason) when a file
// changed on disk since it was read or cannot be edited in place.
// `header_name` names the header new symbols go to when the script includes none.
Result<ScriptSplice> splice_script(Workspace& workspace, std::u16string_view header_name);

// Whether the project can be saved by splicing: it was read from a script.
bool can_splice_script(const Workspace& workspace);

}  // namespace tavorin
