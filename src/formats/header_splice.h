#pragma once
// The project's headers edited like the script: a header is shared with the program's own code,
// so its #define lines stay as written. A symbol whose value changed has its value rewritten on
// its own line, a renamed one its name; a new symbol gets a line in the style of the others,
// before the resource editors' "_APS_NEXT_" block, whose values move past it; a symbol nothing
// uses any more keeps its line.

#include <string_view>

#include "base/result.h"
#include "formats/splice_files.h"

namespace tavorin {

class Workspace;

// Adds the headers the script was read with to `files` (file 0 is the opened script) and their
// edits. With no header, new symbols go to a new one named `header_name` beside the script,
// which the script then includes.
Status splice_symbol_definitions(Workspace& workspace, SpliceFiles& files, std::u16string_view header_name);

// A header that is not the project's (another project's, in the folder a script is saved to)
// gets lines for the project's symbols it lacks; one that gives a symbol another value is
// refused, since the script would compile with that value.
Status add_missing_definitions(Workspace& workspace, SpliceFiles& files, std::size_t header);

}  // namespace tavorin
