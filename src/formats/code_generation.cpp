#include "formats/code_generation.h"

#include <algorithm>

#include "model/workspace.h"
#include "services/string_ids.h"
#include "base/file_io.h"
#include "base/text.h"
#include "formats/resource_code.h"
#include "formats/script_writer.h"
#include "formats/text_file_output.h"

namespace tavorin {

void write_c_code(TextWriter& out, const Workspace& workspace, const CodeContext& context) {
    out.write(script_banner);
    out.line_break();
    out.line_break();

    const auto& resources = workspace.project().resources();
    const bool has_dialog = std::any_of(resources.begin(), resources.end(),
                                        [](const auto& resource) { return resource->kind() == kind::dialog; });
    if (has_dialog) out.write(code_prologue);

    for (std::size_t i = 0; i < resources.size(); ++i) {
        const bool written = write_resource_code(out, *resources[i], static_cast<int>(i), context);
        if (written && i > 0) {
            out.line_break();
            out.line_break();
        }
    }
}

std::u16string c_code_preview(const Workspace& workspace, const CodeContext& context) {
    TextWriter out(workspace.config().pascal);
    write_c_code(out, workspace, context);
    return out.take();
}

bool save_c_code(Workspace& workspace, const std::filesystem::path& path, const CodeContext& context) {
    const std::u16string code = c_code_preview(workspace, context);
    if (workspace.config().encoding != TextEncoding::ansi || fits_ansi(code, workspace)) {
        return write_text_file(workspace, path, code);
    }
    // Texts the ANSI code page cannot hold would turn into question marks: the file is written as
    // UTF-8 with its byte-order mark, by which C compilers tell UTF-8 source from ANSI.
    const std::string utf8 = text_to_utf8(code);
    std::vector<std::uint8_t> bytes{0xEF, 0xBB, 0xBF};
    bytes.insert(bytes.end(), utf8.begin(), utf8.end());
    if (!write_output_file(workspace, path, bytes)) return false;
    workspace.log().warning(fill_placeholders(workspace.text(str::saved_as_utf8), display_path(path)));
    return true;
}

}  // namespace tavorin
