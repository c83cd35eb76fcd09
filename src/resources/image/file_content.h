#pragma once
// Where a file-based resource's content is: in a file the script names, or in memory (read from
// a compiled file, or loaded before a compiled save).

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tavorin {

class FileContent {
public:
    static FileContent file(std::u16string path) {
        FileContent content;
        content.path_ = std::move(path);
        content.in_memory_ = false;
        return content;
    }
    static FileContent memory(std::vector<std::uint8_t> bytes) {
        FileContent content;
        content.bytes_ = std::move(bytes);
        return content;
    }

    bool in_memory() const { return in_memory_; }
    // The file's path as the script writes it: absolute, or relative to the script's folder.
    const std::u16string& path() const { return path_; }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    FileContent() = default;

    bool in_memory_ = true;
    std::u16string path_;
    std::vector<std::uint8_t> bytes_;
};

}  // namespace tavorin
