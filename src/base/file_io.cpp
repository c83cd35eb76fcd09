#include "base/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <random>
#include <system_error>
#include <thread>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "base/text.h"

namespace tavorin {

namespace fs = std::filesystem;

namespace {

std::u16string reason_of(int error_number) { return utf8_to_text(std::generic_category().message(error_number)); }

std::u16string reason_of(const std::error_code& error) { return utf8_to_text(error.message()); }

// The few descriptor calls a safe write needs, in their POSIX and Windows runtime spellings.
#ifdef _WIN32
int create_new_file(const fs::path& path) {
    return _wopen(path.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
}
int write_some(int file, const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t step = 1 << 30;
    return _write(file, data, static_cast<unsigned>(size < step ? size : step));
}
int flush_to_disk(int file) { return _commit(file); }
int close_file(int file) { return _close(file); }
void flush_folder(const fs::path&) {}  // a rename is recorded by the file system itself
#else
int create_new_file(const fs::path& path) { return ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666); }
long write_some(int file, const std::uint8_t* data, std::size_t size) { return ::write(file, data, size); }
int flush_to_disk(int file) { return ::fsync(file); }
int close_file(int file) { return ::close(file); }
// The rename itself reaches the disk with the folder's entry.
void flush_folder(const fs::path& folder) {
    const int handle = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_CLOEXEC);
    if (handle < 0) return;
    ::fsync(handle);
    ::close(handle);
}
#endif

// A file this write created, removed again unless it is kept (renamed over the target, or
// complete as a new file).
class NewFile {
public:
    ~NewFile() {
        if (handle_ >= 0) close_file(handle_);
        if (!path_.empty()) {
            std::error_code ignored;
            fs::remove(path_, ignored);
        }
    }

    // 0, or the reason (EEXIST when the name is taken).
    int create(const fs::path& path) {
        handle_ = create_new_file(path);
        if (handle_ < 0) return errno;
        path_ = path;
        return 0;
    }

    // "<name>.<random>.tavorin-tmp" beside the target: the rename stays within one file system,
    // and writers of the same target at the same time each have their own file.
    Status create_temporary(const fs::path& target) {
        std::random_device seed;
        std::mt19937_64 random(seed());
        for (int attempt = 0; attempt < 100; ++attempt) {
            fs::path candidate = target;
            candidate += u"." + to_hex(random()) + u".tavorin-tmp";
            const int failed = create(candidate);
            if (failed == 0) return success();
            if (failed != EEXIST) return file_error(target, reason_of(failed));
        }
        return file_error(target, reason_of(EEXIST));
    }

    Status write(std::span<const std::uint8_t> bytes) {
        while (!bytes.empty()) {
            const auto written = write_some(handle_, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) return Error{reason_of(written < 0 ? errno : ENOSPC)};
            bytes = bytes.subspan(static_cast<std::size_t>(written));
        }
        return success();
    }

    // Small pieces are gathered into writes of about a quarter megabyte; large ones go as they are.
    Status write_pieces(std::span<const std::span<const std::uint8_t>> pieces) {
        constexpr std::size_t gathered_size = 256 * 1024;
        std::vector<std::uint8_t> gathered;
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
        return write(gathered);
    }

    Status close() {
        const int failed = flush_to_disk(handle_) != 0 ? errno : 0;
        const int closed = close_file(handle_);
        handle_ = -1;
        if (failed != 0) return Error{reason_of(failed)};
        if (closed != 0) return Error{reason_of(errno)};
        return success();
    }

    const fs::path& path() const { return path_; }
    void keep() { path_.clear(); }

private:
    static std::u16string to_hex(std::uint64_t value) {
        constexpr char16_t digits[] = u"0123456789abcdef";
        std::u16string text;
        for (int i = 0; i < 12; ++i, value >>= 4) text.push_back(digits[value & 0xF]);
        return text;
    }

    fs::path path_;
    int handle_ = -1;
};

}  // namespace

Error file_error(const fs::path& path, std::u16string_view reason) {
    return Error{display_path(path) + u"\r\n" + std::u16string(reason)};
}

std::u16string display_path(const fs::path& path) { return fs::path(path).make_preferred().u16string(); }

Result<std::ifstream> open_regular_file(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error) return file_error(path, reason_of(error));
    if (!fs::exists(status)) return file_error(path, reason_of(ENOENT));
    if (fs::is_directory(status)) return file_error(path, reason_of(EISDIR));
    // A device or a pipe could block or never end.
    if (!fs::is_regular_file(status)) return file_error(path, u"The file is not a regular file.");
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) return file_error(path, errno != 0 ? reason_of(errno) : u"The file cannot be opened.");
    return in;
}

Result<std::vector<std::uint8_t>> read_file_bytes(const fs::path& path) {
    auto in = open_regular_file(path);
    if (!in) return Error{in.error()};
    // Read up to the end rather than trusting the size asked beforehand, which may change; the
    // size only decides the first step, so that most files are read in one.
    std::error_code error;
    const std::uintmax_t size = fs::file_size(path, error);
    constexpr std::size_t later_step = 1 << 16;
    std::size_t step = !error && size < max_read_size ? static_cast<std::size_t>(size) + 1 : later_step;
    std::vector<std::uint8_t> bytes;
    while (*in) {
        const std::size_t used = bytes.size();
        if (used >= max_read_size) return file_error(path, u"The file is too large.");
        bytes.resize(used + step);
        in->read(reinterpret_cast<char*>(bytes.data() + used), static_cast<std::streamsize>(step));
        bytes.resize(used + static_cast<std::size_t>(in->gcount()));
        step = later_step;
    }
    if (in->bad()) return file_error(path, u"The file cannot be read.");
    return bytes;
}

Status write_new_file(const fs::path& path, std::span<const std::uint8_t> bytes, bool* name_taken) {
    NewFile file;
    const int failed = file.create(path);
    if (name_taken != nullptr) *name_taken = failed == EEXIST;
    if (failed != 0) return file_error(path, reason_of(failed));
    if (Status written = file.write(bytes); !written) return file_error(path, written.error());
    if (Status closed = file.close(); !closed) return file_error(path, closed.error());
    file.keep();
    return success();
}

bool is_read_only_file(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    return !error && fs::is_regular_file(status) && (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

fs::path follow_symlinks(const fs::path& path) {
    fs::path target = path;
    std::error_code error;
    // A cycle of links ends after as many steps as a system would follow.
    for (int step = 0; step < 40 && fs::is_symlink(fs::symlink_status(target, error)); ++step) {
        const fs::path next = fs::read_symlink(target, error);
        if (error) break;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target;
}

Status write_file_atomically(const fs::path& path, std::span<const std::uint8_t> bytes, ReadOnlyTarget read_only) {
    const std::span<const std::uint8_t> whole[] = {bytes};
    return write_pieces_atomically(path, whole, read_only);
}

Status write_pieces_atomically(const fs::path& path, std::span<const std::span<const std::uint8_t>> pieces,
                               ReadOnlyTarget read_only) {
    return write_produced_atomically(path, [&](const PieceSink& sink) { return sink(pieces); }, read_only);
}

Status write_produced_atomically(const fs::path& path, const std::function<Status(const PieceSink&)>& produce,
                                 ReadOnlyTarget read_only) {
    const fs::path target = follow_symlinks(path);
    if (read_only == ReadOnlyTarget::refuse && is_read_only_file(target)) {
        return file_error(path, u"The file is read-only.");
    }
    std::error_code error;
    const fs::file_status existing = fs::status(target, error);
    if (fs::is_directory(existing)) return file_error(path, reason_of(EISDIR));

    NewFile temporary;
    if (Status created = temporary.create_temporary(target); !created) return created;
    const PieceSink sink = [&](std::span<const std::span<const std::uint8_t>> pieces) {
        return temporary.write_pieces(pieces);
    };
    if (Status written = produce(sink); !written) return file_error(path, written.error());
    if (Status closed = temporary.close(); !closed) return file_error(path, closed.error());
    if (fs::is_regular_file(existing)) {
        fs::permissions(temporary.path(), existing.permissions(), error);
        if (error) return file_error(path, reason_of(error));
#ifdef _WIN32
        // A read-only file cannot be replaced there; the new file carries the attribute again.
        if (read_only == ReadOnlyTarget::replace) fs::permissions(target, fs::perms::owner_write, fs::perm_options::add, error);
#endif
    }
    fs::rename(temporary.path(), target, error);
#ifdef _WIN32
    // Windows refuses to replace a file that another writer is replacing at that moment (or that
    // a reader holds open without sharing deletion); such a refusal passes within milliseconds.
    for (int attempt = 0; error && attempt < 100; ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        error.clear();
        fs::rename(temporary.path(), target, error);
    }
#endif
    if (error) {
#ifdef _WIN32
        std::error_code ignored;
        if (fs::is_regular_file(existing)) fs::permissions(target, existing.permissions(), ignored);
#endif
        return file_error(path, reason_of(error));
    }
    temporary.keep();
    flush_folder(target.parent_path());
    return success();
}

}  // namespace tavorin
