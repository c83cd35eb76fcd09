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

// Backups are numbered from 1 while the names are taken; this many taken names is a folder to
// clean up, not a reason to search on.
constexpr int max_backup_number = 9999;

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

// Writes the module's bytes to "<target>.<n>" for the first n whose name is free. Only a taken
// name moves on to the next number; a write that fails otherwise (a full disk, no permission)
// removes what it left and ends with the system's reason, unless the user tries again.
Result<fs::path> make_backup(Workspace& workspace, const fs::path& target, std::span<const std::uint8_t> module) {
    for (;;) {
        Status written = Error{};
        for (int n = 1; n <= max_backup_number; ++n) {
            fs::path backup = target;
            backup += "." + std::to_string(n);
            bool taken = false;
            written = write_new_file(backup, module, &taken);
            if (written) return backup;
            if (!taken) break;
        }
        if (!retry(workspace, written.error())) return Error{written.error()};
    }
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

// The backup lives only during the save: the target is replaced only by a complete new module,
// so after a failure it still holds the user's module and the backup goes as after a success.
// Should the target be gone all the same, the backup is copied back, and kept if that fails.
void remove_backup(const fs::path& target, const fs::path& backup) {
    std::error_code error;
    if (!fs::exists(target, error)) {
        fs::copy_file(backup, target, fs::copy_options::overwrite_existing, error);
        if (error) return;
    }
    fs::remove(backup, error);
}

}  // namespace

Status write_pe_file(Workspace& workspace, const fs::path& target) {
    workspace.platform().show_status(workspace.text(str::status_exporting));
    const ResourceItemList items = build_item_list(workspace.project());
    const std::vector<PlacedResource> resources = placed_resources(workspace, items);

    const auto permission = read_only_permission(workspace.prompts(), target);
    if (!permission) return failed(workspace, permission.error());
    std::error_code error;
    if (!fs::exists(target, error)) {
        auto module = pe_template();
        if (!module) return failed(workspace, module.error());
        auto rebuilt = rebuild_module(*module, resources);
        if (!rebuilt) return invalid_module(workspace, target);
        const Status written = write_module(workspace, target, *rebuilt, *permission);
        if (!written) return written;
        workspace.platform().show_status(workspace.text(str::status_exportation_finished));
        return success();
    }

    auto module = read_file_bytes(target);
    if (!module) return failed(workspace, module.error());
    auto backup = make_backup(workspace, target, *module);
    if (!backup) return failed(workspace, backup.error());
    auto rebuilt = rebuild_module(*module, resources);
    if (!rebuilt) {
        remove_backup(target, *backup);
        return invalid_module(workspace, target);
    }
    const Status written = write_module(workspace, target, *rebuilt, *permission);
    remove_backup(target, *backup);
    if (!written) return written;
    workspace.platform().show_status(workspace.text(str::status_exportation_finished));
    return success();
}

}  // namespace tavorin
