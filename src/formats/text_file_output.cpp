#include "formats/text_file_output.h"

#include "model/workspace.h"
#include "base/file_io.h"
#include "formats/read_only_target.h"

namespace tavorin {

std::vector<std::uint8_t> encode_for_output(std::u16string_view text, Workspace& workspace) {
    return encode_for_output(text, workspace, workspace.config().encoding);
}

std::vector<std::uint8_t> encode_for_output(std::u16string_view text, Workspace& workspace, TextEncoding encoding) {
    Platform& platform = workspace.platform();
    return encode_text(text, encoding, workspace.config().insert_bom,
                       [&platform](std::u16string_view part) { return platform.text_to_ansi(part); });
}

bool fits_ansi(std::u16string_view text, Workspace& workspace) {
    Platform& platform = workspace.platform();
    return platform.ansi_to_text(platform.text_to_ansi(text)) == text;
}

bool write_output_file(Workspace& workspace, const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    const auto permission = read_only_permission(workspace.prompts(), path);
    if (!permission) {
        workspace.log().error(permission.error());
        return false;
    }
    for (;;) {
        const Status written = write_file_atomically(path, bytes, *permission);
        if (written) return true;
        if (!workspace.interactive()) {
            workspace.log().error(written.error());
            return false;
        }
        if (workspace.ask(written.error(), AskButtons::retry_cancel, AskIcon::error) != Answer::retry) return false;
    }
}

bool write_text_file(Workspace& workspace, const std::filesystem::path& path, std::u16string_view text) {
    return write_output_file(workspace, path, encode_for_output(text, workspace));
}

bool write_text_file(Workspace& workspace, const std::filesystem::path& path, std::u16string_view text,
                     TextEncoding encoding) {
    return write_output_file(workspace, path, encode_for_output(text, workspace, encoding));
}

}  // namespace tavorin
