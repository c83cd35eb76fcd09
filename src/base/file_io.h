#pragma once
// Whole-file reads and safe writes. A write goes to a temporary file of its own in the target's
// folder and replaces the target only when complete and flushed to the disk, so a failure never
// destroys what was there.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <fstream>
#include <span>
#include <string>
#include <vector>

#include "base/file_transaction.h"
#include "base/result.h"

namespace tavorin {

// Files are read whole into memory; every format here keeps its sizes in 32 bits, so a file
// beyond this is refused instead of being read.
inline constexpr std::uint64_t max_read_size = std::uint64_t{1} << 30;

// A regular file opened for reading; a folder, device or pipe is refused with the reason.
Result<std::ifstream> open_regular_file(const std::filesystem::path& path);

Result<std::vector<std::uint8_t>> read_file_bytes(const std::filesystem::path& path);

// A target the user may read but not write (no write permission, or the read-only attribute).
bool is_read_only_file(const std::filesystem::path& path);

// One file written as a transaction of its own (file_transaction.h): through a symbolic link to
// the file it names, onto a regular file only, keeping the target's permissions; a read-only
// target is refused unless told to replace it.
Status write_file_atomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                             ReadOnlyTarget read_only = ReadOnlyTarget::refuse);
// The same with the file given in pieces, written one after another: a file made of many small
// records and a few large ones needs neither a copy of its own nor a write for each piece.
Status write_pieces_atomically(const std::filesystem::path& path, std::span<const std::span<const std::uint8_t>> pieces,
                               ReadOnlyTarget read_only = ReadOnlyTarget::refuse);

// The same with the bytes made while the file is written and handed to the sink batch by batch:
// a large file needs no copy of itself in memory. A failure of `produce` is the writing's.
Status write_produced_atomically(const std::filesystem::path& path, const std::function<Status(const PieceSink&)>& produce,
                                 ReadOnlyTarget read_only = ReadOnlyTarget::refuse);

// Creates `path`, which must not exist yet, with the bytes, flushed to the disk; a failure
// removes what it created. `name_taken` tells whether it failed because the name was taken.
Status write_new_file(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                      bool* name_taken = nullptr);

// The file a path names after following its symbolic links (the path itself when it is none).
std::filesystem::path follow_symlinks(const std::filesystem::path& path);

// "<path>\r\n<reason>", the form of every file message.
Error file_error(const std::filesystem::path& path, std::u16string_view reason);

// The path as the user sees it in messages and scripts: with the system's own separators
// (backslashes on Windows, where std::filesystem's generic form would show forward slashes).
std::u16string display_path(const std::filesystem::path& path);

}  // namespace tavorin
