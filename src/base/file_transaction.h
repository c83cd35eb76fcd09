#pragma once
// One save as one transaction: every file it writes is first made complete (and flushed to the
// disk) beside its target, and only when all of them are ready are they put in place, in the
// order they were prepared. A failure before that leaves every target as it was; a failure while
// putting them in place gives the targets replaced so far their old content back. Nothing of an
// abandoned transaction stays behind.
//
// Only regular files are replaced: a device, pipe, socket or folder at a target is an error
// naming it. A symbolic link is written through to the file it names. A replaced file keeps its
// permissions, and where the process may set them its owner, group and extended attributes; it
// never keeps a set-user or set-group bit under another owner.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "base/result.h"

namespace tavorin {

enum class ReadOnlyTarget : std::uint8_t { refuse, replace };

// Takes the bytes of a file being written as a batch of pieces, valid only during the call.
using PieceSink = std::function<Status(std::span<const std::span<const std::uint8_t>>)>;

class FileTransaction {
public:
    FileTransaction();
    ~FileTransaction();
    FileTransaction(const FileTransaction&) = delete;
    FileTransaction& operator=(const FileTransaction&) = delete;

    // Prepares the new content of `target` (which may not exist yet).
    Status replace(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                   ReadOnlyTarget read_only = ReadOnlyTarget::refuse);
    // The same with the bytes made while they are written, batch by batch.
    Status replace_produced(const std::filesystem::path& target, const std::function<Status(const PieceSink&)>& produce,
                            ReadOnlyTarget read_only = ReadOnlyTarget::refuse);
    // Prepares a file that must not exist: it is put in place only if its name is still free
    // then, in one step, so that two saves never take the same name. `name_taken` tells a
    // failed commit's cause.
    Status create(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);

    // Puts every prepared file in place, then runs what was to happen after it. Afterwards the
    // transaction is empty again.
    Status commit(bool* name_taken = nullptr);
    // What the caller's model does once the files are in place (and only then: a resource that
    // names a new file drops its content from memory).
    void after_commit(std::function<void()> action) { after_commit_.push_back(std::move(action)); }

    // What the caller should tell the user (hard links split by the replacement).
    const std::vector<std::u16string>& notes() const { return notes_; }
    bool empty() const;

private:
    struct Prepared;
    Status prepare(const std::filesystem::path& target, bool must_be_new, ReadOnlyTarget read_only,
                   const std::function<Status(const PieceSink&)>& produce);
    void abandon();

    std::vector<std::unique_ptr<Prepared>> prepared_;
    std::vector<std::u16string> notes_;
    std::vector<std::function<void()>> after_commit_;
};

}  // namespace tavorin
