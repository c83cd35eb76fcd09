#pragma once
// Opening a resource script: the whole reading into the workspace's project, the fix-ups after
// the last statement, and the report of a failure.
//
// The reading runs on the calling thread and never touches a window: it reports through the
// message log (warnings at level 1, the error report at level 0) and asks its questions through
// the platform seam. The GUI runs it on its worker thread while the main window is disabled and
// shows the parse-error dialog from the returned failure.

#include <filesystem>
#include <string>

#include "model/workspace.h"
#include "resources/image/image_numbers.h"
#include "script/read_status.h"
#include "script/script_tables.h"

namespace tavorin {

// Reads the script into workspace.project(), which the caller has closed (emptied) before. The
// tables hold the macros and key names of the reading; the image numbers number the images of
// icon and cursor groups. Both belong to the caller and must outlive the project's resources.
//
// On success the fix-ups have run and the project holds the resources. On failure the error
// report is logged (unless the user chose to stop in a question), the partly read project is
// emptied, and the failure names the message, the file being read (an included script's own
// path when the error is inside it) and the line. Either way the current language is the
// configured default again afterwards.
//
// `problems_added`, when given, tells whether errors or warnings were logged during the reading
// (the Messages window then opens).
ReadStatus open_script(Workspace& workspace, ScriptTables& tables, ImageNumbers& image_numbers,
                       const std::filesystem::path& path, bool* problems_added = nullptr);

// "Error in file: PATH.", CR LF, "Line N: MESSAGE": the text the parse-error dialog shows and
// the message log keeps.
std::u16string error_report_text(const Workspace& workspace, const ReadFailure& failure);

}  // namespace tavorin
