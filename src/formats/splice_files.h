#pragma once
// The files one save edits in place: each read once when first needed (a file the project was
// read from must still be as it was then), the edits of every part of the save collected per
// file, and the new bytes made at the end.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/result.h"
#include "base/text_splice.h"

namespace tavorin {

class Workspace;

struct SplicedFile {
    std::filesystem::path source;  // the file as it was read
    std::vector<std::uint8_t> bytes;  // its new bytes when changed
    bool changed = false;
    bool created = false;  // did not exist before
};

class SpliceFiles {
public:
    explicit SpliceFiles(Workspace& workspace) : workspace_(workspace) {}

    struct Expected {
        std::uintmax_t size = 0;
        std::filesystem::file_time_type modified{};
    };
    // A file to edit; with `expected`, loading it fails when it changed since.
    std::size_t add(std::filesystem::path path, std::optional<Expected> expected = std::nullopt);
    // A file the save makes.
    std::size_t add_new(std::filesystem::path path);
    std::optional<std::size_t> find(const std::filesystem::path& path) const;
    std::size_t size() const { return files_.size(); }
    const std::filesystem::path& path(std::size_t index) const { return files_.at(index).path; }

    Status load(std::size_t index);
    // The decoded text of a loaded file.
    const std::u16string& text(std::size_t index) const { return files_.at(index).stored.text; }
    // The text with its line feeds turned into the file's line ends.
    std::u16string with_line_ends(std::size_t index, std::u16string_view text) const;
    // Adds an edit whose text has the file's line ends already; returns its number in the file.
    std::size_t edit(std::size_t index, TextEdit edit);

    // Every file with its new bytes when it changed.
    Result<std::vector<SplicedFile>> finish();

    // After finish(): where an offset of the old text is in the new one. An insertion at the
    // offset itself moves it along when `after_insertion_here`.
    std::size_t new_offset(std::size_t index, std::size_t offset, bool after_insertion_here) const;
    // After finish(): where the text of an edit begins in the new text.
    std::size_t new_begin(std::size_t index, std::size_t edit) const;
    // Whether an offset lies in text an edit replaced.
    bool replaced(std::size_t index, std::size_t offset) const;

private:
    struct File {
        std::filesystem::path path;
        std::optional<Expected> expected;
        StoredText stored;
        std::vector<TextEdit> edits;
        std::vector<std::size_t> new_begins;  // per edit, after finish()
        bool loaded = false;
        bool created = false;
    };
    Workspace& workspace_;
    std::vector<File> files_;
};

}  // namespace tavorin
