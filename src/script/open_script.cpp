#include "script/open_script.h"

#include <algorithm>
#include <system_error>

#include "base/file_io.h"
#include "base/text.h"
#include "script/fix_ups.h"
#include "script/script_reader.h"
#include "script/statement_reader.h"

namespace tavorin {

namespace {

// The project keeps where its resources came from, with what a save checks before it edits the
// files: their size and time, and the symbols as they were.
void keep_origins(Workspace& workspace, const MacroTable& macros, ScriptOrigins& origins) {
    for (OriginFile& file : origins.files) {
        std::error_code error;
        file.size = std::filesystem::file_size(file.path, error);
        file.modified = std::filesystem::last_write_time(file.path, error);
        std::sort(file.directives.begin(), file.directives.end());
        file.directives.erase(std::unique(file.directives.begin(), file.directives.end()), file.directives.end());
    }
    for (const auto& [name, symbol] : workspace.symbols().symbols()) {
        if (!symbol.system && !symbol.string_name) origins.read_symbols.emplace_back(name, symbol.value);
    }
    origins.defined_macros = macros.defined_names();
    workspace.project().script_origins() = std::move(origins);
}

}  // namespace

ReadStatus open_script(Workspace& workspace, ScriptTables& tables, ImageNumbers& image_numbers,
                       const std::filesystem::path& path, bool* problems_added) {
    MessageLog& log = workspace.log();
    const int problems_before = log.problems();
    Project& project = workspace.project();
    project.reset_current_language();

    StatementLoop loop(workspace, tables, image_numbers, path.parent_path());
    ScriptReader reader(workspace, tables);
    ReadStatus status = reader.read_script(path, [&loop](const ScriptFile& script) {
        return loop.read_statements(script);
    });

    if (status) {
        project.include_lines() = reader.include_lines();
        run_fix_ups(workspace, loop, path);
        loop.origins().headers = reader.project_headers();
        keep_origins(workspace, tables.macros, loop.origins());
    } else {
        ReadFailure failure = status.failure();
        if (failure.file.empty()) failure.file = path;
        if (!failure.stopped_by_user) log.error(error_report_text(workspace, failure));
        // Nothing half-read stays behind for the caller.
        project.clear();
        status = ReadStatus(std::move(failure));
    }
    project.reset_current_language();
    if (problems_added != nullptr) *problems_added = log.problems() != problems_before;
    return status;
}

std::u16string error_report_text(const Workspace& workspace, const ReadFailure& failure) {
    std::error_code error;
    std::filesystem::path full = std::filesystem::absolute(failure.file, error);
    if (error) full = failure.file;
    std::u16string text = workspace.text(str::error_in_file);
    text += u": ";
    text += display_path(full);
    text += u".\r\n";
    text += workspace.text(str::line);
    text += u' ';
    text += decimal(failure.line);
    if (!failure.message.empty()) {
        text += u": ";
        text += failure.message;
    }
    return text;
}

}  // namespace tavorin
