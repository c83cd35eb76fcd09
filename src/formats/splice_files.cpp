#include "formats/splice_files.h"

#include <algorithm>
#include <system_error>

#include "base/file_io.h"
#include "model/workspace.h"

namespace tavorin {

std::size_t SpliceFiles::add(std::filesystem::path path, std::optional<Expected> expected) {
    File file;
    file.path = std::move(path);
    file.expected = expected;
    files_.push_back(std::move(file));
    return files_.size() - 1;
}

std::size_t SpliceFiles::add_new(std::filesystem::path path) {
    File file;
    file.path = std::move(path);
    file.loaded = file.created = true;
    file.stored.crlf = true;
    files_.push_back(std::move(file));
    return files_.size() - 1;
}

std::optional<std::size_t> SpliceFiles::find(const std::filesystem::path& path) const {
    for (std::size_t i = 0; i < files_.size(); ++i) {
        if (files_[i].path == path) return i;
    }
    return std::nullopt;
}

Status SpliceFiles::load(std::size_t index) {
    File& file = files_.at(index);
    if (file.loaded) return success();
    auto bytes = read_file_bytes(file.path);
    if (!bytes) return Error{bytes.error()};
    if (file.expected) {
        std::error_code error;
        const auto modified = std::filesystem::last_write_time(file.path, error);
        if (bytes->size() != file.expected->size || (!error && modified != file.expected->modified)) {
            return file_error(file.path, workspace_.text(str::file_changed_since_read));
        }
    }
    Platform& platform = workspace_.platform();
    file.stored = decode_stored_text(std::move(*bytes), [&platform](std::string_view ansi) { return platform.ansi_to_text(ansi); });
    file.loaded = true;
    return success();
}

std::u16string SpliceFiles::with_line_ends(std::size_t index, std::u16string_view text) const {
    std::u16string out;
    out.reserve(text.size() + text.size() / 16);
    const bool crlf = files_.at(index).stored.crlf;
    for (char16_t c : text) {
        if (c == u'\r') continue;
        if (c == u'\n' && crlf) out.push_back(u'\r');
        out.push_back(c);
    }
    return out;
}

std::size_t SpliceFiles::edit(std::size_t index, TextEdit edit) {
    files_.at(index).edits.push_back(std::move(edit));
    return files_[index].edits.size() - 1;
}

std::size_t SpliceFiles::new_offset(std::size_t index, std::size_t offset, bool after_insertion_here) const {
    const File& file = files_.at(index);
    std::ptrdiff_t shift = 0;
    for (const TextEdit& edit : file.edits) {
        const bool before = edit.begin < offset || (after_insertion_here && edit.begin == offset && edit.end == offset);
        if (before && edit.end <= offset) {
            shift += static_cast<std::ptrdiff_t>(edit.text.size()) - static_cast<std::ptrdiff_t>(edit.end - edit.begin);
        }
    }
    return static_cast<std::size_t>(static_cast<std::ptrdiff_t>(offset) + shift);
}

std::size_t SpliceFiles::new_begin(std::size_t index, std::size_t edit) const { return files_.at(index).new_begins.at(edit); }

bool SpliceFiles::replaced(std::size_t index, std::size_t offset) const {
    for (const TextEdit& edit : files_.at(index).edits) {
        if (edit.begin <= offset && offset < edit.end) return true;
    }
    return false;
}

Result<std::vector<SplicedFile>> SpliceFiles::finish() {
    Platform& platform = workspace_.platform();
    const AnsiDecoder decoder = [&platform](std::string_view ansi) { return platform.ansi_to_text(ansi); };
    const AnsiEncoder encoder = [&platform](std::u16string_view text) { return platform.text_to_ansi(text); };
    std::vector<SplicedFile> result;
    for (File& file : files_) {
        SplicedFile spliced{file.path, {}, false, file.created};
        // Each edit's place in the new text, in the order the splice makes them.
        std::vector<std::size_t> order(file.edits.size());
        for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return edit_order(file.edits[a], file.edits[b]); });
        file.new_begins.assign(file.edits.size(), 0);
        std::ptrdiff_t shift = 0;
        for (const std::size_t i : order) {
            const TextEdit& edit = file.edits[i];
            file.new_begins[i] = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(edit.begin) + shift);
            shift += static_cast<std::ptrdiff_t>(edit.text.size()) - static_cast<std::ptrdiff_t>(edit.end - edit.begin);
        }
        if (!file.edits.empty()) {
            auto bytes = splice_stored_text(file.stored, file.edits, decoder, encoder);
            if (!bytes) return file_error(file.path, bytes.error());
            spliced.changed = file.created || *bytes != file.stored.bytes;
            spliced.bytes = std::move(*bytes);
        }
        result.push_back(std::move(spliced));
    }
    return result;
}

}  // namespace tavorin
