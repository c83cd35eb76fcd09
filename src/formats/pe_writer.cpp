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

Status invalid_module(Workspace& workspace) {
    const std::u16string& message = workspace.text(str::invalid_pe_file);
    workspace.ask(message, AskButtons::ok, AskIcon::error);
    return failed(workspace, message);
}

// Asks Retry or Cancel about a file error; true for Retry.
bool retry(Workspace& workspace, const std::u16string& message) {
    return workspace.ask(message, AskButtons::retry_cancel, AskIcon::error) == Answer::retry;
}

std::u16string file_message(const fs::path& path, const std::error_code& error) {
    return display_path(path) + u"\r\n" + utf8_to_text(error.message());
}

// Copies the target to "<target>.<n>" for the first n whose name is free.
Result<fs::path> make_backup(Workspace& workspace, const fs::path& target) {
    for (;;) {
        fs::path backup;
        std::error_code error;
        for (int n = 1; n <= max_backup_number; ++n) {
            backup = target;
            backup += "." + std::to_string(n);
            std::error_code probe;
            if (fs::exists(backup, probe)) continue;
            if (fs::copy_file(target, backup, fs::copy_options::none, error)) return backup;
            if (!fs::exists(backup, probe)) break;  // the name was free: the copy itself failed
        }
        if (!error) error = std::make_error_code(std::errc::file_exists);
        const std::u16string message = file_message(backup, error);
        if (!retry(workspace, message)) return Error{message};
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

Status write_module(Workspace& workspace, const fs::path& target, std::span<const std::uint8_t> bytes) {
    for (;;) {
        const Status written = write_file_atomically(target, bytes);
        if (written) return written;
        if (!retry(workspace, written.error())) return failed(workspace, written.error());
    }
}

// The target is replaced only by a complete new module, so after a failure it still holds the
// user's module; should it be gone all the same, the backup is copied back.
void restore_original(const fs::path& target, const fs::path& backup) {
    std::error_code error;
    if (!fs::exists(target, error)) fs::copy_file(backup, target, fs::copy_options::overwrite_existing, error);
}

}  // namespace

Status write_pe_file(Workspace& workspace, const fs::path& target) {
    workspace.platform().show_status(workspace.text(str::status_exporting));
    const ResourceItemList items = build_item_list(workspace.project());
    const std::vector<PlacedResource> resources = placed_resources(workspace, items);

    std::error_code error;
    if (!fs::exists(target, error)) {
        auto module = pe_template();
        if (!module) return failed(workspace, module.error());
        auto rebuilt = rebuild_module(*module, resources);
        if (!rebuilt) return invalid_module(workspace);
        const Status written = write_module(workspace, target, *rebuilt);
        if (!written) return written;
        workspace.platform().show_status(workspace.text(str::status_exportation_finished));
        return success();
    }

    auto backup = make_backup(workspace, target);
    if (!backup) return failed(workspace, backup.error());
    auto module = read_file_bytes(*backup);
    if (!module) {
        restore_original(target, *backup);
        return failed(workspace, module.error());
    }
    auto rebuilt = rebuild_module(*module, resources);
    if (!rebuilt) {
        // Nothing was written: the module stays as it was and the backup goes.
        fs::remove(*backup, error);
        return invalid_module(workspace);
    }
    const Status written = write_module(workspace, target, *rebuilt);
    if (!written) {
        // The user gave up on writing: the target still holds the module, and the numbered
        // backup stays beside it.
        restore_original(target, *backup);
        return written;
    }
    fs::remove(*backup, error);
    workspace.platform().show_status(workspace.text(str::status_exportation_finished));
    return success();
}

}  // namespace tavorin
