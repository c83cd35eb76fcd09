#include "app/session.h"
#include "base/file_io.h"
#include "formats/pe_file.h"
#include "formats/pe_resource_walk.h"

namespace tavorin {

namespace {

Status invalid_module(Session& session, const std::filesystem::path& path) {
    const std::u16string message = display_path(path) + u": " + session.text(str::invalid_pe_file);
    session.ask(message, session.text(str::error_caption), AskButtons::ok, AskIcon::error);
    session.log().error(message);
    return Error{message};
}

}  // namespace

Status read_pe_file(Session& session, const std::filesystem::path& path, const CompiledImportTables& tables) {
    auto listing = list_pe_resources(path);
    if (!listing) {
        session.ask(listing.error(), session.text(str::error_caption), AskButtons::ok, AskIcon::error);
        session.log().error(listing.error());
        return Error{listing.error()};
    }
    if (listing->outcome == PeResourceListing::Outcome::no_resources) {
        const std::u16string& message = session.text(str::no_resource_in_pe_file);
        session.ask(message, AskButtons::ok, AskIcon::information);
        session.log().information(message);
        return success();
    }

    Project& project = session.project();
    CompiledImport import(session, tables);
    for (const PeResource& resource : listing->resources) {
        project.set_time_stamp(resource.time_stamp);
        import.import(CompiledRecord{resource.type, resource.name, resource.language, resource.data});
    }
    import.finish();
    if (listing->outcome == PeResourceListing::Outcome::invalid) return invalid_module(session, path);
    return success();
}

}  // namespace tavorin
