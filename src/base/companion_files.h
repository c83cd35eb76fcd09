#pragma once
// The files a script save writes beside the script (exported images and data, copies of the
// files a script saved under a new name refers to), as part of the save's transaction and only
// inside the script's folder: a name that would leave it (".." steps, an absolute path, a drive)
// is written as a new file in the folder instead. A new file never takes the name of a file that
// is there already, or of one this save makes.

#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "base/file_transaction.h"
#include "base/result.h"

namespace tavorin {

class CompanionFiles {
public:
    CompanionFiles(FileTransaction& transaction, std::filesystem::path folder)
        : transaction_(transaction), folder_(std::move(folder)) {}

    const std::filesystem::path& folder() const { return folder_; }

    // A new file "<stem><n>.<extension>" with the first number free; its name as scripts write it.
    Result<std::u16string> create_numbered(std::u16string_view stem, std::u16string_view extension,
                                           std::span<const std::uint8_t> bytes);
    // The file a script names (relative to the folder) with new content. Where the name leaves
    // the folder, a new numbered file takes the content; the name to write is returned either way.
    Result<std::u16string> write(std::u16string_view script_name, std::span<const std::uint8_t> bytes,
                                 std::u16string_view stem, std::u16string_view extension);

    void after_commit(std::function<void()> action) { transaction_.after_commit(std::move(action)); }

    // Whether a name as a script writes it stays inside the folder.
    static bool stays_inside(std::u16string_view script_name);

    // The names that had to change, "old -> new", for the message log.
    const std::vector<std::u16string>& moved() const { return moved_; }

private:
    FileTransaction& transaction_;
    std::filesystem::path folder_;
    std::map<std::u16string, std::int64_t> next_numbers_;
    std::set<std::filesystem::path> made_;
    std::vector<std::u16string> moved_;
};

}  // namespace tavorin
