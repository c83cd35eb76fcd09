#include "app/console_session.h"

#include <filesystem>

#include "app/app_paths.h"
#include "app/config_file.h"
#include "app/convert.h"
#include "base/text.h"
#include "platform/console_platform.h"

namespace tavorin {

void delete_requested_files(Session& session, const CommandLine& command_line) {
    for (const auto& file : command_line.files_to_delete) {
        std::error_code error;
        std::filesystem::remove(std::filesystem::path(file), error);
        if (error) session.log().warning(file + u": " + ascii_to_text(error.message()));
    }
}

void report_problems(const MessageLog& log, std::ostream& out) {
    for (const auto& entry : log.entries()) {
        if (entry.level == LogLevel::information) continue;
        out << (entry.level == LogLevel::error ? "error: " : "warning: ") << text_to_utf8(entry.text) << '\n';
    }
}

int run_conversion(Session& session, const CommandLine& command_line, std::ostream& out) {
    session.set_interactive(false);
    const bool converted = convert_file(session, command_line.convert_input, command_line.convert_output);
    report_problems(session.log(), out);
    return converted ? 0 : 1;
}

int run_console(const CommandLine& command_line, std::ostream& out) {
    ConsolePlatform platform;
    Session session(platform);
    // A configuration file beside the program applies as in the editor (include paths, header
    // name); without one the built-in settings stay.
    const AppPaths paths = AppPaths::beside(platform.executable_folder());
    std::error_code error;
    if (std::filesystem::is_regular_file(paths.config_file, error)) read_config(session, paths);
    session.log().information(session.text(str::program_started));
    delete_requested_files(session, command_line);
    if (command_line.mode == CommandLine::Mode::convert) return run_conversion(session, command_line, out);
    report_problems(session.log(), out);
    if (command_line.mode == CommandLine::Mode::normal && command_line.files_to_delete.empty()) {
        out << "usage: tavorin -convert INPUT OUTPUT\n"
               "The editor itself is the Windows program Tavorin.exe (on Linux: scripts/run).\n";
        return 2;
    }
    return 0;
}

}  // namespace tavorin
