#pragma once
// A fresh session and a temporary folder for the tests of file-based resources.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "app/session.h"
#include "base/file_io.h"
#include "platform/scripted_platform.h"

namespace tavorin::test {

inline std::string to_narrow(std::u16string_view ascii) { return std::string(ascii.begin(), ascii.end()); }

class ResourceFixture : public ::testing::Test {
protected:
    ResourceFixture() {
        std::random_device random;
        folder = std::filesystem::temp_directory_path() /
                 ("tavorin-resources-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(folder);
    }
    ~ResourceFixture() override {
        std::error_code error;
        std::filesystem::remove_all(folder, error);
    }

    std::vector<std::uint8_t> read(const std::string& name) const {
        auto bytes = read_file_bytes(folder / name);
        EXPECT_TRUE(bytes) << name;
        return bytes ? *bytes : std::vector<std::uint8_t>{};
    }
    void write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
        ASSERT_TRUE(write_file_atomically(folder / name, bytes));
    }
    std::u16string script_text(const Resource& resource) const {
        TextWriter out;
        resource.write_script_text(out, session.workspace());
        return out.take();
    }

    ScriptedPlatform platform;
    Session session{platform};
    std::filesystem::path folder;
};

}  // namespace tavorin::test
