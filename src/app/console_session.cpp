#include "app/console_session.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "app/app_paths.h"
#include "app/config_file.h"
#include "app/convert.h"
#include "base/file_io.h"
#include "base/text.h"
#include "platform/console_platform.h"
#include "script/open_script.h"

namespace tavorin {

namespace {

namespace fs = std::filesystem;

std::optional<std::u16string> environment_variable(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr) return std::nullopt;
    return utf8_to_text(value);
}

std::u16string_view trim_blanks(std::u16string_view text) {
    while (!text.empty() && (text.front() == u' ' || text.front() == u'\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == u' ' || text.back() == u'\t')) text.remove_suffix(1);
    return text;
}

bool is_folder(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

bool is_file(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

// The file as the user would write it: relative to the working folder when it lies inside it.
std::string shown_path(const fs::path& file) {
    std::error_code error;
    const fs::path relative = fs::relative(file, fs::current_path(error), error);
    if (!error && !relative.empty() && *relative.begin() != "..") return text_to_utf8(display_path(relative));
    return text_to_utf8(display_path(file));
}

void apply_run_settings(Session& session, const CommandLine& command_line) {
    Config& config = session.config();
    config.run_include_folders = run_include_folders(IncludeSources{
        command_line.include_folders, environment_variable("INCLUDE"), config.include_paths, mingw_include_folder()});
    config.run_definitions.clear();
    for (const auto& definition : command_line.definitions) {
        config.run_definitions.emplace_back(definition.name, definition.value);
    }
    if (command_line.rewrite_script) config.keep_scripts = false;
}

}  // namespace

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

std::vector<std::u16string> run_include_folders(const IncludeSources& sources) {
    std::vector<std::u16string> folders;
    for (const auto& folder : sources.option_folders) {
        std::error_code error;
        const fs::path absolute = fs::absolute(fs::path(folder), error);
        folders.push_back(error ? folder : absolute.u16string());
    }
    // The option folders are the project's own; the system headers come from INCLUDE, the
    // configuration or, when neither names any, the fallback.
    const std::size_t project_folders = folders.size();
    if (sources.include_variable) {
        std::u16string_view rest = *sources.include_variable;
        while (!rest.empty()) {
            const std::size_t end = std::min(rest.find(u';'), rest.size());
            std::u16string_view folder = trim_blanks(rest.substr(0, end));
            if (!folder.empty()) folders.emplace_back(folder);
            rest.remove_prefix(std::min(end + 1, rest.size()));
        }
    }
    const bool configured = std::any_of(sources.configured_paths.begin(), sources.configured_paths.end(),
                                        [](const std::u16string& path) { return !path.empty(); });
    if (folders.size() == project_folders && !configured && !sources.fallback.empty() && is_folder(sources.fallback)) {
        folders.push_back(sources.fallback.u16string());
    }
    return folders;
}

fs::path mingw_include_folder() {
#ifdef _WIN32
    // Under Wine the Linux root is drive Z:.
    return fs::path(u"Z:\\usr\\share\\mingw-w64\\include");
#else
    return fs::path("/usr/share/mingw-w64/include");
#endif
}

std::optional<fs::path> console_config_file(const fs::path& executable_folder) {
    const fs::path beside = AppPaths::beside(executable_folder).config_file;
    if (is_file(beside)) return beside;
#ifndef _WIN32
    fs::path config_home;
    if (auto xdg = environment_variable("XDG_CONFIG_HOME"); xdg && !xdg->empty()) {
        config_home = fs::path(*xdg);
    } else if (auto home = environment_variable("HOME"); home && !home->empty()) {
        config_home = fs::path(*home) / ".config";
    }
    if (!config_home.empty()) {
        const fs::path file = config_home / "tavorin" / "Tavorin.xml";
        if (is_file(file)) return file;
    }
#endif
    return std::nullopt;
}

void report_conversion_problems(Session& session, const std::optional<ReadFailure>& read_failure,
                                std::ostream& out) {
    const std::u16string located_report =
        read_failure && !read_failure->stopped_by_user
            ? fold_line_breaks(error_report_text(session.workspace(), *read_failure))
            : std::u16string();
    for (const auto& entry : session.log().entries()) {
        if (entry.level == LogLevel::information) continue;
        if (entry.level == LogLevel::error && !located_report.empty() && entry.text == located_report) {
            out << shown_path(read_failure->file) << '(' << read_failure->line
                << "): error: " << text_to_utf8(read_failure->message) << '\n';
            continue;
        }
        out << "tavorin: " << (entry.level == LogLevel::error ? "error: " : "warning: ") << text_to_utf8(entry.text)
            << '\n';
    }
}

int run_conversion(Session& session, const CommandLine& command_line, std::ostream& out) {
    ReadingTables tables;
    const int exit_code = run_conversion(session, tables, command_line, out);
    session.project().clear();
    return exit_code;
}

int run_conversion(Session& session, ReadingTables& tables, const CommandLine& command_line, std::ostream& out) {
    session.set_interactive(false);
    apply_run_settings(session, command_line);
    ReadFailure failure;
    const bool converted =
        convert_file(session, tables, command_line.convert_input, command_line.convert_output, &failure);
    std::optional<ReadFailure> read_failure;
    if (!failure.file.empty()) read_failure = failure;
    report_conversion_problems(session, read_failure, out);
    return converted ? 0 : 1;
}

int run_console(const CommandLine& command_line, std::ostream& out) {
    ConsoleRun run;
    return run_console(run, command_line, out);
}

std::u16string console_refusal(const CommandLine& command_line) {
    if (!command_line.refusal.empty()) return command_line.refusal;
    // Without a window there is nothing to open a file in.
    if (command_line.file_to_open) return u"unexpected argument: " + *command_line.file_to_open;
    return {};
}

int refuse_command_line(const CommandLine& command_line, std::ostream& out) {
    const std::u16string refusal = console_refusal(command_line);
    if (refusal.empty()) return 0;
    out << "tavorin: error: " << text_to_utf8(refusal) << '\n' << command_line_usage();
    return 2;
}

int run_console(ConsoleRun& run, const CommandLine& command_line, std::ostream& out) {
    ConsolePlatform& platform = run.platform;
    Session& session = run.session;
    session.log().information(session.text(str::program_started));
    if (const int refused = refuse_command_line(command_line, out)) return refused;
    if (command_line.show_help) {
        out << command_line_usage();
        return 0;
    }
    if (auto config_file = console_config_file(platform.executable_folder())) {
        AppPaths paths = AppPaths::beside(config_file->parent_path());
        read_config(session, paths, session.config_sections());
    } else {
        // Resources without a LANGUAGE statement get the system's language, as compilers give.
        session.config().default_language = platform.default_language_id();
    }
    delete_requested_files(session, command_line);
    if (command_line.mode == CommandLine::Mode::convert) return run_conversion(session, run.tables, command_line, out);
    report_problems(session.log(), out);
    if (command_line.mode == CommandLine::Mode::normal && command_line.files_to_delete.empty()) {
        out << command_line_usage();
        return 2;
    }
    return 0;
}

}  // namespace tavorin
