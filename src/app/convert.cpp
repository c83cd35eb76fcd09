#include "app/convert.h"

#include <filesystem>

#include "app/project_files.h"
#include "base/file_io.h"
#include "base/file_kind.h"
#include "base/text.h"
#include "formats/header_name.h"

namespace tavorin {

namespace {

namespace fs = std::filesystem;

bool read_input(Session& session, ReadingTables& tables, const fs::path& input, ReadFailure* read_failure) {
    const ReadStatus status = read_project_file(session, tables, input);
    if (status) return true;
    if (read_failure != nullptr) *read_failure = status.failure();
    // A file that cannot be opened ends a script reading as a stop without a report (the
    // question about retrying is not asked here); say why.
    if (status.failure().stopped_by_user) {
        const auto bytes = read_file_bytes(input);
        session.log().error(bytes ? display_path(input) : bytes.error());
    }
    return false;
}

bool write_output(Session& session, const fs::path& input, const fs::path& output) {
    ProjectWrite write;
    write.target = output;
    write.header_name = expand_header_name(session.config().header_name, output.u16string());
    // A new module starts as a copy of a module read as input; files the input names relative
    // to its folder go along beside a written script.
    write.as_new = true;
    write.opened_path = input;
    write.opened_kind = file_kind_of(display_path(input));
    write.content_folder = input.parent_path();
    const WriteOutcome outcome = write_project_file(session, write);
    return outcome == WriteOutcome::written || outcome == WriteOutcome::code_written;
}

}  // namespace

bool convert_file(Session& session, std::u16string_view input, std::u16string_view output,
                  ReadFailure* read_failure) {
    ReadingTables tables;
    const bool written = convert_file(session, tables, input, output, read_failure);
    // The project refers to the tables, which go now.
    session.project().clear();
    return written;
}

bool convert_file(Session& session, ReadingTables& tables, std::u16string_view input, std::u16string_view output,
                  ReadFailure* read_failure) {
    const FileKind input_kind = file_kind_of(input);
    const FileKind output_kind = file_kind_of(output);
    if (input_kind == FileKind::unsupported || input_kind == FileKind::c_source) {
        session.log().error(std::u16string(input) + u": " + session.text(str::file_type_not_supported));
        return false;
    }
    if (output_kind == FileKind::unsupported) {
        session.log().error(std::u16string(output) + u": " + session.text(str::file_type_not_supported));
        return false;
    }
    std::error_code error;
    const fs::path input_path = fs::absolute(fs::path(input), error);
    const fs::path output_path = fs::absolute(fs::path(output), error);

    // Any error fails the conversion, also one a reader or writer logged and went on after:
    // the output would lack what the error is about.
    const int errors_before = session.log().errors();
    const auto failed = [&] { return session.log().errors() != errors_before; };

    tables.script.missing_include_fails = true;
    const bool read = read_input(session, tables, input_path, read_failure);
    if (!read || failed()) return false;
    session.log().information(fill_placeholders(session.text(str::file_opened), input));

    const bool output_existed = fs::exists(output_path, error);
    bool written = write_output(session, input_path, output_path);
    if (written && failed()) {
        written = false;
        // A new file that misses part of the input goes again; a file the user had stays.
        if (!output_existed) fs::remove(output_path, error);
    }
    if (written) session.log().information(fill_placeholders(session.text(str::file_saved), output));
    return written;
}

}  // namespace tavorin
