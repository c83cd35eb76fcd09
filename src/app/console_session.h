#pragma once
// Runs the program's non-interactive work (deleting files, converting) with no window and
// reports every error and warning on a stream. Shared by the command-line program and the GUI
// program's conversion mode.

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/project_files.h"
#include "app/session.h"
#include "platform/console_platform.h"
#include "script/read_status.h"

namespace tavorin {

// Why the command-line program refuses the arguments (see CommandLine::refusal; also a file to
// open, which needs the editor); empty when it accepts them.
std::u16string console_refusal(const CommandLine& command_line);
// When the program refuses the arguments: the reason and the usage on `out`, and the exit code 2.
// Otherwise 0, and nothing is written.
int refuse_command_line(const CommandLine& command_line, std::ostream& out);

// Deletes the files the command line names; failures are logged as warnings.
void delete_requested_files(Session& session, const CommandLine& command_line);

// Writes each error and warning of the log to `out`, one per line.
void report_problems(const MessageLog& log, std::ostream& out);

// What a conversion searches for included files, in the order compilers search: the folders
// of the command line, then those of the INCLUDE variable (separated by ';'), then the
// configured include paths. When neither INCLUDE nor the configuration names a folder, the
// fallback folder (the mingw-w64 headers) is searched last if it exists: the command line's
// folders hold the project's own files, not the system's.
struct IncludeSources {
    std::vector<std::u16string> option_folders;
    std::optional<std::u16string> include_variable;
    std::vector<std::u16string> configured_paths;
    std::filesystem::path fallback;
};

// The folders searched without their subfolders before the configured paths (which the reader
// searches with theirs). Relative option folders are taken from the working folder.
std::vector<std::u16string> run_include_folders(const IncludeSources& sources);

// The mingw-w64 header folder as this platform names it.
std::filesystem::path mingw_include_folder();

// The configuration file the command-line program reads: Tavorin.xml beside the program, else
// (outside Windows) tavorin/Tavorin.xml in $XDG_CONFIG_HOME or ~/.config. Nothing when none exists.
std::optional<std::filesystem::path> console_config_file(const std::filesystem::path& executable_folder);

// Errors and warnings the way compilers print them, for editors and build tools to parse: a
// reading error as "FILE(LINE): error: MESSAGE"; every other entry as "tavorin: error: TEXT" or
// "tavorin: warning: TEXT". `read_failure` is the failure of the reading, if it failed.
void report_conversion_problems(Session& session, const std::optional<ReadFailure>& read_failure,
                                std::ostream& out);

// The exit code: 0 when the conversion succeeded, 1 when it failed, 2 for a usage error.
int run_conversion(Session& session, const CommandLine& command_line, std::ostream& out);
// The same with reading tables the caller keeps; the converted project stays in the session.
int run_conversion(Session& session, ReadingTables& tables, const CommandLine& command_line, std::ostream& out);

// What a console run works with. Emptied piece by piece when it goes; a program that ends with
// the run may leave it to the end of the process instead.
struct ConsoleRun {
    ConsolePlatform platform;
    Session session{platform};
    ReadingTables tables;

    ConsoleRun() = default;
    ConsoleRun(const ConsoleRun&) = delete;
    ConsoleRun& operator=(const ConsoleRun&) = delete;
    // The project refers to the tables, so it is emptied before they go.
    ~ConsoleRun() { session.project().clear(); }
};

// The command-line program's whole run. `out` receives the usage text and the problems.
int run_console(const CommandLine& command_line, std::ostream& out);
int run_console(ConsoleRun& run, const CommandLine& command_line, std::ostream& out);

}  // namespace tavorin
