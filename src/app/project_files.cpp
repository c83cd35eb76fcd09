#include "app/project_files.h"

#include <system_error>

#include "app/header_values.h"
#include "app/session.h"
#include "base/file_io.h"
#include "base/text.h"
#include "formats/code_generation.h"
#include "formats/header_name.h"
#include "formats/pe_file.h"
#include "formats/res_file.h"
#include "formats/script_save.h"
#include "resources/image/file_resource.h"
#include "script/open_script.h"

namespace tavorin {

namespace {

ReadFailure failure_at(const std::filesystem::path& path, std::u16string message) {
    return ReadFailure{std::move(message), path, 0, false};
}

ReadStatus unsupported_kind(Session& session, const std::filesystem::path& path) {
    const std::u16string& message = session.text(str::file_type_not_supported);
    session.log().error(message);
    session.ask(message, session.text(str::error_caption), AskButtons::ok, AskIcon::error);
    return failure_at(path, message);
}

ReadStatus from_status(const Status& status, const std::filesystem::path& path) {
    if (status) return ReadStatus();
    return failure_at(path, status.error());
}

}  // namespace

ReadStatus read_project_file(Session& session, ReadingTables& tables, const std::filesystem::path& path) {
    const CompiledImportTables compiled{tables.image_numbers, tables.script.virtual_keys};
    switch (file_kind_of(display_path(path))) {
        case FileKind::script: {
            ReadStatus read = open_script(session.workspace(), tables.script, tables.image_numbers, path);
            // The headers' values the script does not use are still taken.
            if (read) {
                const std::u16string header = expand_header_name(session.config().header_name, path.u16string());
                note_project_headers(session.symbols(), session.project(), path.parent_path(), header,
                                     session.platform());
            }
            return read;
        }
        case FileKind::pe_module: return from_status(read_pe_file(session.workspace(), path, compiled), path);
        case FileKind::compiled_resources: return from_status(read_res_file(session.workspace(), path, compiled), path);
        case FileKind::c_source:
        case FileKind::unsupported: break;
    }
    return unsupported_kind(session, path);
}

void load_file_contents(Session& session, const std::filesystem::path& project_folder) {
    for (const auto& resource : session.project().resources()) {
        auto* file_based = dynamic_cast<FileResource*>(resource.get());
        if (file_based == nullptr || file_based->in_memory()) continue;
        const Status loaded = file_based->load_content(project_folder);
        if (!loaded) session.log().warning(loaded.error());
    }
}

WriteOutcome write_project_file(Session& session, const ProjectWrite& write) {
    switch (file_kind_of(display_path(write.target))) {
        case FileKind::script: {
            const ScriptSave save{write.target, write.header_name, write.as_new, write.content_folder, write.rewrite};
            return save_script(session.workspace(), save) == ScriptSaveResult::saved ? WriteOutcome::written
                                                                          : WriteOutcome::cancelled;
        }
        case FileKind::pe_module: {
            // A module saved under a new name keeps everything of the opened module but its
            // resources: the new file is made from the opened module's bytes.
            std::error_code error;
            std::filesystem::path base;
            if (write.as_new && write.opened_kind == FileKind::pe_module && !write.opened_path.empty() &&
                !std::filesystem::equivalent(write.opened_path, write.target, error)) {
                base = write.opened_path;
            }
            load_file_contents(session, write.content_folder);
            return write_pe_file(session.workspace(), write.target, base) ? WriteOutcome::written : WriteOutcome::failed;
        }
        case FileKind::compiled_resources:
            load_file_contents(session, write.content_folder);
            return write_res_file(session.workspace(), write.target) ? WriteOutcome::written : WriteOutcome::failed;
        case FileKind::c_source:
            return save_c_code(session.workspace(), write.target, write.code ? *write.code : code_context(session.config()))
                       ? WriteOutcome::code_written
                       : WriteOutcome::cancelled;
        case FileKind::unsupported: break;
    }
    const std::u16string& message = session.text(str::file_type_not_supported);
    session.log().error(message);
    session.ask(message, session.text(str::error_caption), AskButtons::ok, AskIcon::error);
    return WriteOutcome::unsupported;
}

}  // namespace tavorin
