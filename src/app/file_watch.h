#pragma once
// Notices when another program rewrites the project's file: the main window's timer asks once a
// second whether the file's last write time differs from the one remembered.

#include <filesystem>
#include <optional>

namespace tavorin {

class FileWatch {
public:
    // Watches the file from now on, remembering its present write time (none while it is
    // missing, so that a file that appears later counts as changed).
    void arm(const std::filesystem::path& path);
    // Watches nothing (while the program writes the file itself, or without a project).
    void clear();

    bool armed() const { return !path_.empty(); }
    const std::filesystem::path& path() const { return path_; }

    // True once per change: the new time is remembered, so a change is reported a single time
    // however the user answers.
    bool changed();

private:
    std::filesystem::path path_;
    std::optional<std::filesystem::file_time_type> last_write_;
};

}  // namespace tavorin
