#include "app/update_install.h"

#include <system_error>

#include "app/archive_entry_name.h"
#include "app/zip_archive.h"
#include "base/file_io.h"
#include "base/text.h"
#include "services/string_ids.h"

namespace tavorin {

namespace {

Error write_failed(const UiStrings& strings, const std::filesystem::path& path) {
    return Error{fill_placeholders(strings.text(str::update_write_failed), path.u16string())};
}

bool is_configuration_file(std::u16string_view name) { return equals_ignore_case(name, u"Tavorin.xml"); }

Result<StagedUpdate> unpack(std::span<const std::uint8_t> archive, const std::filesystem::path& staging_folder,
                            const UiStrings& strings) {
    auto entries = read_zip_directory(archive, strings);
    if (!entries) return Error{entries.error()};
    for (const ZipEntry& entry : *entries) {
        const std::u16string_view name =
            entry.is_folder() ? std::u16string_view(entry.name).substr(0, entry.name.size() - 1) : entry.name;
        if (!is_safe_archive_entry_name(name)) {
            return Error{fill_placeholders(strings.text(str::update_entry_name_refused), entry.name)};
        }
    }

    StagedUpdate staged{staging_folder, {}};
    std::error_code error;
    std::filesystem::remove_all(staging_folder, error);
    if (!std::filesystem::create_directories(staging_folder, error)) return write_failed(strings, staging_folder);
    for (const ZipEntry& entry : *entries) {
        if (entry.is_folder() || is_configuration_file(entry.name)) continue;
        auto bytes = read_zip_entry(archive, entry, strings);
        if (!bytes) return Error{bytes.error()};
        const std::filesystem::path relative(entry.name);
        const std::filesystem::path target = staging_folder / relative;
        std::filesystem::create_directories(target.parent_path(), error);
        if (!write_new_file(target, *bytes)) return write_failed(strings, target);
        staged.files.push_back(relative);
    }
    if (staged.files.empty()) return Error{strings.text(str::update_archive_unreadable)};
    return staged;
}

}  // namespace

Result<StagedUpdate> stage_update(std::span<const std::uint8_t> archive, const Sha256Digest& expected_digest,
                                  const std::filesystem::path& staging_folder, const UiStrings& strings) {
    if (sha256(archive) != expected_digest) return Error{strings.text(str::update_hash_mismatch)};
    auto staged = unpack(archive, staging_folder, strings);
    if (!staged) {
        std::error_code ignored;
        std::filesystem::remove_all(staging_folder, ignored);
    }
    return staged;
}

Status install_staged_update(const StagedUpdate& update, const std::filesystem::path& program_folder,
                             const UiStrings& strings) {
    std::error_code error;
    for (const auto& relative : update.files) {
        const auto target = program_folder / relative;
        std::filesystem::create_directories(target.parent_path(), error);
        if (relative == std::filesystem::path(program_file_name) && std::filesystem::exists(target, error)) {
            const auto aside = program_folder / std::filesystem::path(replaced_program_name);
            std::filesystem::remove(aside, error);
            std::filesystem::rename(target, aside, error);
            if (error) return write_failed(strings, target);
        }
        std::filesystem::rename(update.folder / relative, target, error);
        if (error) return write_failed(strings, target);
    }
    std::filesystem::remove_all(update.folder, error);
    return success();
}

void remove_replaced_program(const std::filesystem::path& program_folder) {
    std::error_code ignored;
    std::filesystem::remove(program_folder / std::filesystem::path(replaced_program_name), ignored);
}

}  // namespace tavorin
