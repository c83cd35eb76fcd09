#pragma once
// Runs the program's non-interactive work (deleting files, converting) with no window and
// reports every error and warning on a stream. Shared by the command-line program and the GUI
// program's conversion mode.

#include <ostream>

#include "app/command_line.h"
#include "app/session.h"

namespace tavorin {

// Deletes the files the command line names; failures are logged as warnings.
void delete_requested_files(Session& session, const CommandLine& command_line);

// Writes each error and warning of the log to `out`, one per line.
void report_problems(const MessageLog& log, std::ostream& out);

// The exit code: 0 when the conversion succeeded, 1 when it failed, 2 for a usage error.
int run_conversion(Session& session, const CommandLine& command_line, std::ostream& out);

// The command-line program's whole run.
int run_console(const CommandLine& command_line, std::ostream& out);

}  // namespace tavorin
