#include "base/file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <system_error>

#include "base/text.h"

namespace tavorin {

namespace {

Error file_error(const std::filesystem::path& path, const std::string& reason) {
    return Error{display_path(path) + u"\r\n" + ascii_to_text(reason)};
}

}  // namespace

std::u16string display_path(const std::filesystem::path& path) {
    return std::filesystem::path(path).make_preferred().u16string();
}

Result<std::vector<std::uint8_t>> read_file_bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return file_error(path, std::strerror(errno));
    std::vector<std::uint8_t> bytes;
    in.seekg(0, std::ios::end);
    const auto size = in.tellg();
    if (size < 0) return file_error(path, "The file cannot be read.");
    in.seekg(0, std::ios::beg);
    bytes.resize(static_cast<std::size_t>(size));
    if (!bytes.empty() && !in.read(reinterpret_cast<char*>(bytes.data()), size)) {
        return file_error(path, "The file cannot be read.");
    }
    return bytes;
}

Status write_file_atomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::filesystem::path temporary = path;
    temporary += ".tavorin-tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return file_error(path, std::strerror(errno));
        if (!bytes.empty()) out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return file_error(path, "The file cannot be written.");
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return file_error(path, error.message());
    }
    return success();
}

}  // namespace tavorin
