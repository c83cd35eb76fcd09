#include <system_error>

#include "model/workspace.h"
#include "base/file_io.h"
#include "base/text.h"
#include "formats/compiled_import.h"
#include "formats/compiled_items.h"
#include "formats/compiled_record.h"
#include "formats/pe_file.h"
#include "formats/pe_module_rebuild.h"
#include "formats/pe_template.h"
#include "formats/read_only_target.h"

namespace tavorin {

namespace {

namespace fs = std::filesystem;

Status failed(Workspace& workspace, std::u16string message) {
    workspace.log().error(message);
    return Error{std::move(message)};
}

Status invalid_module(Workspace& workspace, const fs::path& path) {
    const std::u16string message = display_path(path) + u": " + workspace.text(str::invalid_pe_file);
    workspace.ask(message, AskButtons::ok, AskIcon::error);
    return failed(workspace, message);
}

// Asks Retry or Cancel about a file error; true for Retry.
bool retry(Workspace& workspace, const std::u16string& message) {
    return workspace.ask(message, AskButtons::retry_cancel, AskIcon::error) == Answer::retry;
}

// The resources' bytes in item order; an item that cannot give its bytes is left out, with the
// reason in the log.
std::vector<PlacedResource> placed_resources(Workspace& workspace, const ResourceItemList& items) {
    std::vector<PlacedResource> placed;
    for (const ResourceItem* item : items.items()) {
        // A directory string has a 16-bit length.
        if (item->type().text.size() > 0xFFFF || item->name().text.size() > 0xFFFF) {
            workspace.log().error(record_name_text(item->name()).substr(0, 64) + u"...: the name is too long.");
            continue;
        }
        auto data = item_data(*item);
        if (!data) {
            workspace.log().error(record_name_text(item->name()) + u": " + data.error());
            continue;
        }
        placed.push_back(PlacedResource{item, std::move(*data)});
    }
    return placed;
}

Status write_module(Workspace& workspace, const fs::path& target, std::span<const std::uint8_t> bytes,
                    ReadOnlyTarget permission) {
    for (;;) {
        const Status written = write_file_atomically(target, bytes, permission);
        if (written) return written;
        if (!retry(workspace, written.error())) return failed(workspace, written.error());
    }
}

}  // namespace

Status write_pe_file(Workspace& workspace, const fs::path& target, const fs::path& base_module) {
    workspace.platform().show_status(workspace.text(str::status_exporting));
    const ResourceItemList items = build_item_list(workspace.project());
    const std::vector<PlacedResource> resources = placed_resources(workspace, items);

    const auto permission = read_only_permission(workspace.prompts(), target);
    if (!permission) return failed(workspace, permission.error());
    // The new module is made in one piece from the module it replaces (or the one the project was
    // read from, or the template) and the resources, and replaces the target only when complete.
    std::error_code error;
    const fs::path& base = !base_module.empty() ? base_module : target;
    const bool from_template = base_module.empty() && !fs::exists(fs::symlink_status(target, error));
    auto module = from_template ? pe_template() : read_file_bytes(base);
    if (!module) return failed(workspace, module.error());
    auto rebuilt = rebuild_module(*module, resources);
    if (!rebuilt) return invalid_module(workspace, from_template ? target : base);
    const Status written = write_module(workspace, target, *rebuilt, *permission);
    if (!written) return written;
    workspace.platform().show_status(workspace.text(str::status_exportation_finished));
    return success();
}

}  // namespace tavorin
