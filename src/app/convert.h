#pragma once
// The conversion mode: open one file and save it in the format its output name asks for, with no
// window. Errors and warnings go to the message log; the caller reports them.

#include <string_view>

#include "app/project_files.h"
#include "app/session.h"
#include "script/read_status.h"

namespace tavorin {

// True when the output was written. The session must not be interactive. When reading the
// input fails, `read_failure` (if given) receives where and why; the log holds the report too.
bool convert_file(Session& session, std::u16string_view input, std::u16string_view output,
                  ReadFailure* read_failure = nullptr);

// The same with reading tables the caller keeps. The project is left as the conversion made it:
// the caller empties it before the tables go, or leaves both to the end of the process.
bool convert_file(Session& session, ReadingTables& tables, std::u16string_view input, std::u16string_view output,
                  ReadFailure* read_failure = nullptr);

}  // namespace tavorin
