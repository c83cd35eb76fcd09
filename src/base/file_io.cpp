#include "base/file_io.h"

#include <cerrno>
#include <system_error>

#include "base/text.h"

namespace tavorin {

namespace fs = std::filesystem;

namespace {

std::u16string reason_of(int error_number) { return utf8_to_text(std::generic_category().message(error_number)); }

std::u16string reason_of(const std::error_code& error) { return utf8_to_text(error.message()); }

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
    if (name_taken != nullptr) *name_taken = false;
    std::error_code error;
    if (fs::exists(fs::symlink_status(path, error))) {
        if (name_taken != nullptr) *name_taken = true;
        return file_error(path, reason_of(EEXIST));
    }
    FileTransaction transaction;
    if (Status prepared = transaction.create(path, bytes); !prepared) return prepared;
    return transaction.commit(name_taken);
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
    FileTransaction transaction;
    if (Status prepared = transaction.replace_produced(path, produce, read_only); !prepared) return prepared;
    return transaction.commit();
}

}  // namespace tavorin
