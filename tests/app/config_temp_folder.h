#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it at the end
// of the test.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace tavorin::testing {

class ConfigTempFolder {
public:
    ConfigTempFolder() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("tavorin_config_test_" + std::to_string(random()) + "_" + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~ConfigTempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ConfigTempFolder(const ConfigTempFolder&) = delete;
    ConfigTempFolder& operator=(const ConfigTempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    void write(const std::filesystem::path& file, std::span<const std::uint8_t> bytes) const {
        std::filesystem::create_directories((path_ / file).parent_path());
        std::ofstream out(path_ / file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    void write(const std::filesystem::path& file, std::string_view text) const {
        write(file, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    }

    std::string read(const std::filesystem::path& file) const {
        std::ifstream in(path_ / file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    std::filesystem::path path_;
};

}  // namespace tavorin::testing
