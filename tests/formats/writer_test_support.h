#pragma once
// Helpers of the writer tests: a temporary folder, and a resource kind whose script text is
// given, optionally file-based with content that is exported on demand.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "app/session.h"
#include "base/companion_files.h"
#include "base/file_io.h"
#include "model/resource.h"

namespace tavorin::testing {

class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("tavorin_writer_test_" + std::to_string(random()) + "_" + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

    std::vector<std::uint8_t> bytes(const std::filesystem::path& name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::string text(const std::filesystem::path& name) const {
        const auto b = bytes(name);
        return std::string(b.begin(), b.end());
    }
    void write(const std::filesystem::path& name, const std::string& content) const {
        std::filesystem::create_directories((path_ / name).parent_path());
        std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
        out << content;
    }

private:
    std::filesystem::path path_;
};

class TextResource : public Resource {
public:
    TextResource(ResourceKind kind, std::u16string name, std::u16string text, bool file_based = false)
        : Resource(kind), text_(std::move(text)), file_based_(file_based) {
        identity().name = std::move(name);
    }

    Status serialize(BinaryBuffer&) const override { return success(); }
    void write_script_text(TextWriter& out, const Workspace&) const override {
        out.write(text_);
        if (!file.empty()) {
            out.write(u" ");
            out.write(file);
        }
    }
    bool is_file_based() const override { return file_based_; }
    std::u16string content_file() const override { return file; }
    using Resource::export_content;
    Status export_content(CompanionFiles& files) override {
        ++exports;
        if (!file.empty()) return success();
        const std::vector<std::uint8_t> content{'d', 'a', 't', 'a'};
        auto written = files.write(export_name, content, u"resource", u"bin");
        if (written) file = export_name;
        return written ? success() : Status(Error{written.error()});
    }

    std::u16string file;  // the file the script names; empty while in memory
    std::u16string export_name = u"resource1.bin";
    int exports = 0;

private:
    std::u16string text_;
    bool file_based_;
};

inline std::string narrow(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) out.push_back(static_cast<char>(c));
    return out;
}

}  // namespace tavorin::testing
