#pragma once
// Installing a downloaded update: the archive is checked whole before anything is written (its
// SHA-256 against the published one, every entry's name, every entry's bytes), unpacked into a
// staging folder, and only then moved over the program's files. The configuration file of the
// archive, if any, is left out: the user's settings stay.

#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "base/result.h"
#include "base/sha256.h"
#include "services/ui_strings.h"

namespace tavorin {

inline constexpr std::u16string_view program_file_name = u"Tavorin.exe";
// The running program cannot be overwritten on Windows, but it can be renamed: it moves aside
// under this name and the next start removes it.
inline constexpr std::u16string_view replaced_program_name = u"Tavorin.exe.old";

struct StagedUpdate {
    std::filesystem::path folder;                  // the staging folder
    std::vector<std::filesystem::path> files;      // relative paths, in archive order
};

// Checks the archive and writes its files below `staging_folder` (created; removed again on any
// failure). Nothing is written unless the digest matches and every entry is sound.
Result<StagedUpdate> stage_update(std::span<const std::uint8_t> archive, const Sha256Digest& expected_digest,
                                  const std::filesystem::path& staging_folder, const UiStrings& strings);

// Moves the staged files over those of `program_folder` (the running program moved aside first)
// and removes the staging folder.
Status install_staged_update(const StagedUpdate& update, const std::filesystem::path& program_folder,
                             const UiStrings& strings);

// Removes what an earlier update moved aside; nothing when there is nothing.
void remove_replaced_program(const std::filesystem::path& program_folder);

}  // namespace tavorin
