#include "model/workspace.h"
#include "base/file_io.h"
#include "base/text.h"
#include "formats/pe_file.h"
#include "formats/pe_resource_walk.h"

namespace tavorin {

namespace {

Status invalid_module(Workspace& workspace, const std::filesystem::path& path, std::uint64_t offset) {
    const std::u16string message = display_path(path) + u", offset 0x" + hexadecimal(static_cast<std::uint32_t>(offset)) + u": " +
                                   workspace.text(str::invalid_pe_file);
    workspace.ask(message, workspace.text(str::error_caption), AskButtons::ok, AskIcon::error);
    workspace.log().error(message);
    return Error{message};
}

}  // namespace

Status read_pe_file(Workspace& workspace, const std::filesystem::path& path, const CompiledImportTables& tables) {
    auto listing = list_pe_resources(path);
    if (!listing) {
        workspace.ask(listing.error(), workspace.text(str::error_caption), AskButtons::ok, AskIcon::error);
        workspace.log().error(listing.error());
        return Error{listing.error()};
    }
    if (listing->outcome == PeResourceListing::Outcome::no_resources) {
        const std::u16string& message = workspace.text(str::no_resource_in_pe_file);
        workspace.ask(message, AskButtons::ok, AskIcon::information);
        workspace.log().information(message);
        return success();
    }

    Project& project = workspace.project();
    CompiledImport import(workspace, tables, display_path(path));
    std::size_t position = 0;
    for (const PeResource& resource : listing->resources) {
        project.set_time_stamp(resource.time_stamp);
        const std::uint64_t offset = listing->section_position + (resource.data_rva - listing->section_rva);
        const Status imported = import.import(CompiledRecord{resource.type, resource.name, resource.language,
                                                             resource.data, std::nullopt, ++position, listing->section,
                                                             offset});
        if (!imported) {
            import.finish();
            workspace.ask(imported.error(), workspace.text(str::error_caption), AskButtons::ok, AskIcon::error);
            workspace.log().error(imported.error());
            return imported;
        }
    }
    import.finish();
    if (listing->outcome == PeResourceListing::Outcome::invalid) {
        return invalid_module(workspace, path, listing->fault_offset);
    }
    return success();
}

}  // namespace tavorin
