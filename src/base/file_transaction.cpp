#include "base/file_transaction.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <optional>
#include <random>
#include <system_error>
#include <thread>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif
#ifdef __linux__
#include <sys/xattr.h>
#endif

#include "base/file_io.h"
#include "base/text.h"

namespace tavorin {

namespace fs = std::filesystem;

namespace {

std::u16string reason_of(int error_number) { return utf8_to_text(std::generic_category().message(error_number)); }
std::u16string reason_of(const std::error_code& error) { return utf8_to_text(error.message()); }

// Files prepared without a name stay open until they are put in place; a save of more files
// than this names the rest at once.
constexpr std::size_t max_open_unnamed = 256;

#ifdef _WIN32
int open_new(const fs::path& path) {
    return _wopen(path.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
}
int open_unnamed(const fs::path&) { return -1; }
long write_some(int file, const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t step = 1 << 30;
    return _write(file, data, static_cast<unsigned>(size < step ? size : step));
}
int flush_to_disk(int file) { return _commit(file); }
int close_file(int file) { return _close(file); }
void flush_folder(const fs::path&) {}
#else
int open_new(const fs::path& path) { return ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666); }
int open_unnamed(const fs::path& folder) {
#ifdef O_TMPFILE
    return ::open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
#else
    (void)folder;
    return -1;
#endif
}
long write_some(int file, const std::uint8_t* data, std::size_t size) { return ::write(file, data, size); }
int flush_to_disk(int file) { return ::fsync(file); }
int close_file(int file) { return ::close(file); }
void flush_folder(const fs::path& folder) {
    const int handle = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_CLOEXEC);
    if (handle < 0) return;
    ::fsync(handle);
    ::close(handle);
}
#endif

std::u16string random_suffix() {
    static thread_local std::mt19937_64 random(std::random_device{}());
    constexpr char16_t digits[] = u"0123456789abcdef";
    std::u16string text;
    std::uint64_t value = random();
    for (int i = 0; i < 12; ++i, value >>= 4) text.push_back(digits[value & 0xF]);
    return text;
}

// "<name>.<random>.<ending>" beside the target.
fs::path beside(const fs::path& target, std::u16string_view ending) {
    fs::path path = target;
    path += u"." + random_suffix() + u"." + std::u16string(ending);
    return path;
}

}  // namespace

struct FileTransaction::Prepared {
    fs::path target;  // symbolic links followed
    fs::path shown;   // as the caller named it, for messages
    bool must_be_new = false;
    bool existed = false;
    int handle = -1;      // open while unnamed
    fs::path temporary;   // the prepared file's name once it has one
    fs::path backup;      // a second name of the replaced file while the transaction commits
    bool placed = false;

    ~Prepared() {
        if (handle >= 0) close_file(handle);
        std::error_code ignored;
        if (!temporary.empty()) fs::remove(temporary, ignored);
        if (!backup.empty()) fs::remove(backup, ignored);
    }

    Status write(std::span<const std::uint8_t> bytes) {
        while (!bytes.empty()) {
            const auto written = write_some(handle, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) return Error{reason_of(written < 0 ? errno : ENOSPC)};
            bytes = bytes.subspan(static_cast<std::size_t>(written));
        }
        return success();
    }

    // Small pieces are gathered into writes of about a quarter megabyte; large ones go as they are.
    Status write_pieces(std::span<const std::span<const std::uint8_t>> pieces, std::vector<std::uint8_t>& gathered) {
        constexpr std::size_t gathered_size = 256 * 1024;
        for (const auto piece : pieces) {
            const bool large = piece.size() >= gathered_size / 4;
            if (!gathered.empty() && (large || gathered.size() + piece.size() > gathered_size)) {
                if (Status written = write(gathered); !written) return written;
                gathered.clear();
            }
            if (large) {
                if (Status written = write(piece); !written) return written;
            } else {
                if (gathered.capacity() == 0) gathered.reserve(gathered_size);
                gathered.insert(gathered.end(), piece.begin(), piece.end());
            }
        }
        return success();
    }

    // A name for a file made without one (the process's own descriptor link names it).
    int give_name(const fs::path& name) {
#ifdef __linux__
        const std::string self = "/proc/self/fd/" + std::to_string(handle);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) != 0) return errno;
        return 0;
#else
        (void)name;
        return ENOTSUP;
#endif
    }
};

FileTransaction::FileTransaction() = default;

FileTransaction::~FileTransaction() { abandon(); }

bool FileTransaction::empty() const { return prepared_.empty(); }

void FileTransaction::abandon() {
    prepared_.clear();
    after_commit_.clear();
}

Status FileTransaction::replace(const fs::path& target, std::span<const std::uint8_t> bytes, ReadOnlyTarget read_only) {
    const std::span<const std::uint8_t> whole[] = {bytes};
    return prepare(target, false, read_only, [&](const PieceSink& sink) { return sink(whole); });
}

Status FileTransaction::replace_produced(const fs::path& target, const std::function<Status(const PieceSink&)>& produce,
                                         ReadOnlyTarget read_only) {
    return prepare(target, false, read_only, produce);
}

Status FileTransaction::create(const fs::path& target, std::span<const std::uint8_t> bytes) {
    const std::span<const std::uint8_t> whole[] = {bytes};
    return prepare(target, true, ReadOnlyTarget::refuse, [&](const PieceSink& sink) { return sink(whole); });
}

Status FileTransaction::prepare(const fs::path& path, bool must_be_new, ReadOnlyTarget read_only,
                                const std::function<Status(const PieceSink&)>& produce) {
    auto prepared = std::make_unique<Prepared>();
    prepared->shown = path;
    prepared->target = follow_symlinks(path);
    prepared->must_be_new = must_be_new;
    const fs::path& target = prepared->target;

    std::error_code error;
    const fs::file_status status = fs::symlink_status(target, error);
    prepared->existed = fs::exists(status);
    if (prepared->existed) {
        if (fs::is_directory(status)) return file_error(path, reason_of(EISDIR));
        if (!fs::is_regular_file(status)) return file_error(path, u"The file is not a regular file.");
        if (must_be_new) return file_error(path, reason_of(EEXIST));
        if (read_only == ReadOnlyTarget::refuse && is_read_only_file(target)) return file_error(path, u"The file is read-only.");
    }
    for (const auto& other : prepared_) {
        if (other->target == target) return file_error(path, u"The save would write this file twice.");
    }

    const fs::path folder = target.parent_path();
    if (prepared_.size() < max_open_unnamed) prepared->handle = open_unnamed(folder);
    if (prepared->handle < 0) {
        for (int attempt = 0; attempt < 100 && prepared->handle < 0; ++attempt) {
            const fs::path candidate = beside(target, u"tavorin-tmp");
            prepared->handle = open_new(candidate);
            if (prepared->handle >= 0) {
                prepared->temporary = candidate;
            } else if (errno != EEXIST) {
                return file_error(path, reason_of(errno));
            }
        }
        if (prepared->handle < 0) return file_error(path, reason_of(EEXIST));
    }

    std::vector<std::uint8_t> gathered;
    const PieceSink sink = [&](std::span<const std::span<const std::uint8_t>> pieces) {
        return prepared->write_pieces(pieces, gathered);
    };
    if (Status written = produce(sink); !written) return file_error(path, written.error());
    if (Status written = prepared->write(gathered); !written) return file_error(path, written.error());

#ifndef _WIN32
    if (prepared->existed) {
        struct stat existing {};
        if (::stat(target.c_str(), &existing) == 0) {
            mode_t mode = existing.st_mode & 07777;
            if (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid()) {
                // Only a privileged process can give the file its owner back; a set-user or
                // set-group bit never passes to another owner.
                if (::fchown(prepared->handle, existing.st_uid, existing.st_gid) != 0) mode &= ~mode_t{06000};
            }
            if (::fchmod(prepared->handle, mode) != 0) return file_error(path, reason_of(errno));
#ifdef __linux__
            std::vector<char> names(static_cast<std::size_t>(std::max<ssize_t>(0, ::listxattr(target.c_str(), nullptr, 0))));
            const ssize_t listed = names.empty() ? 0 : ::listxattr(target.c_str(), names.data(), names.size());
            for (ssize_t at = 0; at < listed;) {
                const char* name = names.data() + at;
                const ssize_t size = ::getxattr(target.c_str(), name, nullptr, 0);
                if (size >= 0) {
                    std::vector<char> value(static_cast<std::size_t>(size));
                    if (::getxattr(target.c_str(), name, value.data(), value.size()) == size) {
                        (void)::fsetxattr(prepared->handle, name, value.data(), value.size(), 0);
                    }
                }
                at += static_cast<ssize_t>(std::char_traits<char>::length(name)) + 1;
            }
#endif
            if (existing.st_nlink > 1) {
                notes_.push_back(display_path(path) + u"\r\nThe file had other hard links; they keep its old content.");
            }
        }
    }
#endif
    if (flush_to_disk(prepared->handle) != 0) return file_error(path, reason_of(errno));
    if (!prepared->temporary.empty()) {
        const int closed = close_file(prepared->handle);
        prepared->handle = -1;
        if (closed != 0) return file_error(path, reason_of(errno));
#ifdef _WIN32
        if (prepared->existed) {
            fs::permissions(prepared->temporary, fs::status(target, error).permissions(), error);
            if (read_only == ReadOnlyTarget::replace) fs::permissions(target, fs::perms::owner_write, fs::perm_options::add, error);
        }
#endif
    }
    prepared_.push_back(std::move(prepared));
    return success();
}

Status FileTransaction::commit(bool* name_taken) {
    if (name_taken != nullptr) *name_taken = false;
    std::optional<Error> failure;
    for (auto& prepared : prepared_) {
        std::error_code error;
        const fs::path& target = prepared->target;
        if (prepared->existed && !prepared->must_be_new) {
            // A second name keeps the old content until every file is in place.
            const fs::path backup = beside(target, u"tavorin-old");
            fs::create_hard_link(target, backup, error);
            if (!error) prepared->backup = backup;
            error.clear();
        }
        if (prepared->must_be_new) {
            int failed = 0;
            if (prepared->handle >= 0) {
                failed = prepared->give_name(target);
            } else {
                fs::create_hard_link(prepared->temporary, target, error);
                failed = error ? (error == std::errc::file_exists ? EEXIST : error.value()) : 0;
            }
            if (failed != 0) {
                if (failed == EEXIST && name_taken != nullptr) *name_taken = true;
                failure = file_error(prepared->shown, reason_of(failed));
                break;
            }
        } else {
            if (prepared->handle >= 0) {
                const fs::path named = beside(target, u"tavorin-tmp");
                if (const int failed = prepared->give_name(named); failed != 0) {
                    failure = file_error(prepared->shown, reason_of(failed));
                    break;
                }
                prepared->temporary = named;
            }
            fs::rename(prepared->temporary, target, error);
#ifdef _WIN32
            // Windows refuses to replace a file that another writer is replacing at that moment
            // (or that a reader holds open without sharing deletion); that passes within
            // milliseconds.
            for (int attempt = 0; error && attempt < 100; ++attempt) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
                error.clear();
                fs::rename(prepared->temporary, target, error);
            }
#endif
            if (error) {
                failure = file_error(prepared->shown, reason_of(error));
                break;
            }
            prepared->temporary.clear();
        }
        prepared->placed = true;
        if (prepared->handle >= 0) {
            close_file(prepared->handle);
            prepared->handle = -1;
        }
    }

    if (failure) {
        // What was put in place goes back to what it was.
        for (auto it = prepared_.rbegin(); it != prepared_.rend(); ++it) {
            Prepared& prepared = **it;
            if (!prepared.placed) continue;
            std::error_code ignored;
            if (!prepared.backup.empty()) {
                fs::rename(prepared.backup, prepared.target, ignored);
                if (!ignored) prepared.backup.clear();
            } else if (!prepared.existed || prepared.must_be_new) {
                fs::remove(prepared.target, ignored);
            }
        }
        abandon();
        return *failure;
    }
    std::vector<fs::path> folders;
    for (const auto& prepared : prepared_) folders.push_back(prepared->target.parent_path());
    const auto actions = std::move(after_commit_);
    abandon();
    for (const auto& action : actions) action();
    std::sort(folders.begin(), folders.end());
    folders.erase(std::unique(folders.begin(), folders.end()), folders.end());
    for (const auto& folder : folders) flush_folder(folder);
    return success();
}

}  // namespace tavorin
