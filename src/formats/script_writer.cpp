#include "formats/script_writer.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "base/companion_files.h"
#include "model/workspace.h"
#include "formats/text_file_output.h"

namespace tavorin {

namespace {

constexpr std::u16string_view header_key = u"%RESOURCE_HEADER%";
constexpr std::u16string_view resources_key = u"%RESOURCES%";

bool goes_to_dialog_file(const Resource& resource, const Workspace& workspace) {
    return resource.kind() == kind::dialog && workspace.config().generate_dlg_files;
}

std::u16string dialog_file_name(const Resource& dialog) { return dialog.name_text() + u".dlg"; }

TextWriter make_writer(const Workspace& workspace) { return TextWriter(workspace.config().pascal); }

bool export_content(Workspace& workspace, Resource& resource, CompanionFiles& companions) {
    for (;;) {
        const Status exported = resource.export_content(companions);
        if (exported) return true;
        if (!workspace.interactive()) {
            workspace.log().error(exported.error());
            return false;
        }
        if (workspace.ask(exported.error(), AskButtons::retry_cancel, AskIcon::error) != Answer::retry) return false;
    }
}

std::u16string dialog_file_text(const Workspace& workspace, const Resource& dialog) {
    TextWriter out = make_writer(workspace);
    write_resource_text(out, dialog, workspace);
    return out.take();
}

// A ".dlg" file of a UTF-8 script carries the pragma too: compilers keep the code page a file
// sets for the rest of the script that includes it, so each file must say what it is.
bool write_dialog_file(Workspace& workspace, const Resource& dialog, const ScriptLayout& layout) {
    std::u16string text = dialog_file_text(workspace, dialog);
    std::vector<std::uint8_t> bytes;
    if (!layout.utf8_code_page) {
        bytes = encode_for_output(text, workspace);
    } else {
        text.insert(0, std::u16string(utf8_code_page_pragma) + u"\r\n");
        bytes = encode_for_output(text, workspace, TextEncoding::utf8);
    }
    const auto written = layout.companions->write(dialog_file_name(dialog), bytes, u"dialog", u"dlg");
    if (written) return true;
    workspace.log().error(written.error());
    return false;
}

// The resources block. Between two resources stands one empty line, except that consecutive
// file-based resources of one kind (one line each) follow each other directly; a section
// comment opens every run of a kind that has a caption.
bool write_resources(TextWriter& out, Workspace& workspace, const ScriptLayout& layout) {
    const Project& project = workspace.project();
    bool complete = true;

    std::vector<Resource*> in_script;
    for (const auto& resource : project.resources()) {
        if (goes_to_dialog_file(*resource, workspace)) {
            const std::u16string include = u"\"" + dialog_file_name(*resource) + u"\"";
            const auto& includes = project.include_lines();
            if (std::find(includes.begin(), includes.end(), include) == includes.end()) {
                out.write(u"#include ");
                out.write(include);
                out.line_break();
            }
            if (!layout.preview && !write_dialog_file(workspace, *resource, layout)) complete = false;
        } else {
            in_script.push_back(resource.get());
        }
    }
    out.line_break();

    for (std::size_t i = 0; i < in_script.size(); ++i) {
        Resource& resource = *in_script[i];
        const std::u16string_view caption = section_caption(resource.kind());
        if (!caption.empty() && (i == 0 || in_script[i - 1]->kind() != resource.kind())) {
            out.write(u"//\r\n// ");
            out.write(caption);
            out.write(u" resources\r\n//\r\n");
        }
        if (!layout.preview && resource.is_file_based() && !export_content(workspace, resource, *layout.companions)) {
            complete = false;
        }
        write_resource_text(out, resource, workspace);

        if (i + 1 == in_script.size()) break;
        const Resource& next = *in_script[i + 1];
        out.line_break();
        if (!(next.is_file_based() && next.kind() == resource.kind())) out.line_break();
    }
    if (!in_script.empty()) out.line_break();
    return complete;
}

}  // namespace

std::u16string_view section_caption(ResourceKind kind) {
    switch (kind) {
        case kind::user_defined: return u"User-defined";
        case kind::bitmap: return u"Bitmap";
        case kind::icon: return u"Icon";
        case kind::menu: return u"Menu";
        case kind::dialog: return u"Dialog";
        case kind::string_table: return u"String Table";
        case kind::accelerator: return u"Accelerator";
        case kind::version: return u"Version Information";
        case kind::toolbar: return u"Toolbar";
        case kind::manifest: return u"Manifest";
        case kind::cursor: return u"Cursor";
        case kind::html: return u"HTML";
        default: return {};
    }
}

void write_resource_text(TextWriter& out, const Resource& resource, const Workspace& workspace) {
    if (workspace.config().generate_language_statements) {
        out.write(workspace.language_macros().statement_text(resource.language()));
        out.line_break();
    }
    resource.write_script_text(out, workspace);
}

bool write_script(TextWriter& out, Workspace& workspace, const ScriptLayout& given_layout) {
    // Without a save's transaction the files beside the script make one of their own.
    std::optional<FileTransaction> own_transaction;
    std::optional<CompanionFiles> own_companions;
    ScriptLayout layout = given_layout;
    if (!layout.preview && layout.companions == nullptr) {
        own_transaction.emplace();
        own_companions.emplace(*own_transaction, layout.folder);
        layout.companions = &*own_companions;
    }
    out.write(script_banner);
    out.line_break();
    if (layout.utf8_code_page) {
        out.write(utf8_code_page_pragma);
        out.line_break();
    }
    out.line_break();

    bool complete = true;
    const std::u16string_view script_template = workspace.config().resource_header;
    std::size_t i = 0;
    while (i < script_template.size()) {
        const std::u16string_view rest = script_template.substr(i);
        if (rest.starts_with(header_key)) {
            out.write(layout.header_name);
            i += header_key.size();
        } else if (rest.starts_with(resources_key)) {
            if (!write_resources(out, workspace, layout)) complete = false;
            i += resources_key.size();
        } else {
            out.write(script_template[i++]);
        }
    }
    if (own_transaction && complete) {
        if (Status committed = own_transaction->commit(); !committed) {
            workspace.log().error(committed.error());
            complete = false;
        }
    }
    return complete;
}

bool script_fits_ansi(Workspace& workspace, std::u16string_view header_name) {
    if (!fits_ansi(script_preview(workspace, header_name), workspace)) return false;
    for (const auto& resource : workspace.project().resources()) {
        if (goes_to_dialog_file(*resource, workspace) && !fits_ansi(dialog_file_text(workspace, *resource), workspace)) {
            return false;
        }
    }
    return true;
}

std::u16string script_preview(Workspace& workspace, std::u16string_view header_name) {
    TextWriter out = make_writer(workspace);
    write_script(out, workspace, ScriptLayout{true, {}, std::u16string(header_name)});
    return out.take();
}

}  // namespace tavorin
