#include "formats/code_generation.h"

#include <algorithm>

#include "app/session.h"
#include "formats/resource_code.h"
#include "formats/script_writer.h"
#include "formats/text_file_output.h"

namespace tavorin {

void write_c_code(TextWriter& out, const Session& session, const CodeContext& context) {
    out.write(script_banner);
    out.line_break();
    out.line_break();

    const auto& resources = session.project().resources();
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

std::u16string c_code_preview(const Session& session, const CodeContext& context) {
    TextWriter out(session.config().pascal);
    write_c_code(out, session, context);
    return out.take();
}

bool save_c_code(Session& session, const std::filesystem::path& path, const CodeContext& context) {
    return write_text_file(session, path, c_code_preview(session, context));
}

}  // namespace tavorin
