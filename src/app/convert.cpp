#include "app/convert.h"

#include <filesystem>

#include "base/file_io.h"
#include "base/file_kind.h"
#include "base/text.h"
#include "formats/header_name.h"
#include "formats/script_save.h"
#include "resources/image/image_numbers.h"
#include "script/open_script.h"
#include "script/script_tables.h"

namespace tavorin {

namespace {

namespace fs = std::filesystem;

std::u16string_view kind_name(FileKind kind) {
    switch (kind) {
        case FileKind::script: return u"resource script";
        case FileKind::pe_module: return u"PE module";
        case FileKind::compiled_resources: return u"compiled resource";
        case FileKind::c_source: return u"C/C++ source";
        case FileKind::unsupported: break;
    }
    return u"unsupported";
}

// The tables a reading fills that the project's resources go on using.
struct ConversionTables {
    ScriptTables script;
    ImageNumbers image_numbers;
};

bool read_script_input(Session& session, ConversionTables& tables, const fs::path& input) {
    const ReadStatus status = open_script(session, tables.script, tables.image_numbers, input);
    if (status) return true;
    // A file that cannot be opened ends the reading as a stop without a report (the question
    // about retrying is not asked here); say why.
    if (status.failure().stopped_by_user) {
        const auto bytes = read_file_bytes(input);
        session.log().error(bytes ? display_path(input) : bytes.error());
    }
    return false;
}

bool read_input(Session& session, ConversionTables& tables, const fs::path& input, FileKind kind) {
    switch (kind) {
        case FileKind::script: return read_script_input(session, tables, input);
        case FileKind::pe_module:
        case FileKind::compiled_resources:
        case FileKind::c_source:
        case FileKind::unsupported: break;
    }
    session.log().error(input.u16string() + u": " +
                        fill_placeholders(session.text(str::reading_not_available), kind_name(kind)));
    return false;
}

bool write_script_output(Session& session, const fs::path& input, const fs::path& output) {
    ScriptSave save;
    save.script = output;
    save.header_name = expand_header_name(session.config().header_name, output.u16string());
    // Files the input names relative to its folder go along beside the output.
    save.as_new = true;
    save.previous_folder = input.parent_path();
    return save_script(session, save) == ScriptSaveResult::saved;
}

bool write_output(Session& session, const fs::path& input, const fs::path& output, FileKind kind) {
    switch (kind) {
        case FileKind::script: return write_script_output(session, input, output);
        case FileKind::pe_module:
        case FileKind::compiled_resources:
        case FileKind::c_source:
        case FileKind::unsupported: break;
    }
    session.log().error(output.u16string() + u": " +
                        fill_placeholders(u"Writing %1 files is not available in this version.", kind_name(kind)));
    return false;
}

}  // namespace

bool convert_file(Session& session, std::u16string_view input, std::u16string_view output) {
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

    ConversionTables tables;
    if (!read_input(session, tables, input_path, input_kind)) return false;
    session.log().information(fill_placeholders(session.text(str::file_opened), input));

    const bool written = write_output(session, input_path, output_path, output_kind);
    if (written) session.log().information(fill_placeholders(session.text(str::file_saved), output));
    // The project refers to the tables, which go now.
    session.project().clear();
    return written;
}

}  // namespace tavorin
