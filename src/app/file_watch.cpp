#include "app/file_watch.h"

#include <system_error>

namespace tavorin {

namespace {

std::optional<std::filesystem::file_time_type> write_time(const std::filesystem::path& path) {
    std::error_code error;
    const auto time = std::filesystem::last_write_time(path, error);
    if (error) return std::nullopt;
    return time;
}

}  // namespace

void FileWatch::arm(const std::filesystem::path& path) {
    path_ = path;
    last_write_ = path.empty() ? std::nullopt : write_time(path);
}

void FileWatch::clear() {
    path_.clear();
    last_write_.reset();
}

bool FileWatch::changed() {
    if (!armed()) return false;
    const auto now = write_time(path_);
    // A file that is gone for a moment (an editor replacing it) is not a change yet.
    if (!now || now == last_write_) return false;
    last_write_ = now;
    return true;
}

}  // namespace tavorin
