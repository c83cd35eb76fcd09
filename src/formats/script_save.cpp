#include "formats/script_save.h"

#include <system_error>

#include "model/workspace.h"
#include "base/file_io.h"
#include "base/text.h"
#include "formats/header_name.h"
#include "formats/header_writer.h"
#include "formats/script_writer.h"
#include "formats/text_file_output.h"

namespace tavorin {

namespace {

// A file the old script named relative to its folder goes to the same place beside the new one.
// A file that cannot be copied is left behind when the user cancels; the script is still saved.
void copy_relative_file(Workspace& workspace, const std::filesystem::path& from_folder,
                        const std::filesystem::path& to_folder, std::u16string_view file) {
    const std::filesystem::path relative = path_from_script_text(file);
    if (relative.empty() || !relative.is_relative()) return;
    const std::filesystem::path source = from_folder / relative;
    const std::filesystem::path target = to_folder / relative;
    std::error_code error;
    if (!std::filesystem::exists(source, error)) return;
    if (std::filesystem::equivalent(source, target, error)) return;
    std::filesystem::create_directories(target.parent_path(), error);

    for (;;) {
        const auto bytes = read_file_bytes(source);
        if (bytes) {
            write_output_file(workspace, target, *bytes);
            return;
        }
        if (!workspace.interactive()) {
            workspace.log().error(bytes.error());
            return;
        }
        if (workspace.ask(bytes.error(), AskButtons::retry_cancel, AskIcon::error) != Answer::retry) return;
    }
}

}  // namespace

ScriptSaveResult save_script(Workspace& workspace, const ScriptSave& save) {
    const std::filesystem::path folder = save.script.parent_path();

    if (save.as_new && !save.previous_folder.empty()) {
        for (const auto& resource : workspace.project().resources()) {
            if (resource->is_file_based()) {
                copy_relative_file(workspace, save.previous_folder, folder, resource->content_file());
            }
        }
    }

    const std::filesystem::path header = header_path(save.script, save.header_name);
    std::error_code error;
    if (save.as_new && std::filesystem::exists(header, error)) {
        const std::u16string question = fill_placeholders(workspace.text(str::file_exists_overwrite), display_path(header));
        if (workspace.ask(question, AskButtons::yes_no, AskIcon::warning) == Answer::no) {
            return ScriptSaveResult::cancelled;
        }
    }

    workspace.platform().show_status(workspace.text(str::status_saving));

    TextWriter header_text(workspace.config().pascal);
    write_header(header_text, workspace.symbols(),
                 workspace.config().asm_define ? HeaderNotation::assembler : HeaderNotation::define);

    // ANSI would turn what the code page lacks (Arabic captions in a Western code page, say) into
    // question marks. Such a save is UTF-8 throughout instead: the script includes its header and
    // ".dlg" files, and compilers read them all in the code page the script declares.
    const bool utf8 = workspace.config().encoding == TextEncoding::ansi &&
                      !(script_fits_ansi(workspace, save.header_name) && fits_ansi(header_text.text(), workspace));
    const TextEncoding encoding = utf8 ? TextEncoding::utf8 : workspace.config().encoding;

    TextWriter script(workspace.config().pascal);
    const bool complete = write_script(script, workspace, ScriptLayout{false, folder, save.header_name, utf8});
    if (!write_text_file(workspace, save.script, script.text(), encoding)) return ScriptSaveResult::cancelled;
    if (utf8) workspace.log().warning(fill_placeholders(workspace.text(str::saved_as_utf8), display_path(save.script)));
    if (!write_text_file(workspace, header, header_text.text(), encoding)) return ScriptSaveResult::cancelled;

    // A ".dlg" file or exported content the user gave up on leaves the saved script incomplete.
    return complete ? ScriptSaveResult::saved : ScriptSaveResult::cancelled;
}

}  // namespace tavorin
