#pragma once
// What the script reader tests share: a fresh folder of script and header files on disk, and a
// reader wired to a scripted platform that records the questions asked and the script texts
// handed to the statement reader.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "app/session.h"
#include "base/text.h"
#include "platform/scripted_platform.h"
#include "script/macro_table.h"
#include "script/script_reader.h"
#include "resources/accelerator/virtual_key_names.h"

namespace tavorin::testing {

class ScriptFolder {
public:
    ScriptFolder() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("tavorin_script_test_" + std::to_string(random()) + "_" + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~ScriptFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScriptFolder(const ScriptFolder&) = delete;
    ScriptFolder& operator=(const ScriptFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes UTF-8 text (or any bytes) and returns the file's full path.
    std::filesystem::path write(const std::filesystem::path& file, std::string_view bytes) const {
        const auto full = path_ / file;
        std::filesystem::create_directories(full.parent_path());
        std::ofstream out(full, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return full;
    }

private:
    std::filesystem::path path_;
};

struct ReadScript {
    std::filesystem::path path;
    std::u16string text;
    PositionMap positions;
};

class ReaderHarness {
public:
    ReaderHarness() : session(platform) {}

    ReadStatus read(const std::filesystem::path& path) {
        scripts.clear();
        return reader.read_script(path, [this](const ScriptFile& script) {
            scripts.push_back(ReadScript{script.path, script.output.text, script.output.positions});
            return ReadStatus{};
        });
    }

    // The text of the only (or first) script read.
    std::u16string text() const { return scripts.empty() ? std::u16string() : scripts.front().text; }
    // Its lines, without the line feeds.
    std::vector<std::u16string> lines() const {
        std::vector<std::u16string> result(1);
        for (char16_t c : text()) {
            if (c == u'\n') {
                result.emplace_back();
            } else {
                result.back().push_back(c);
            }
        }
        return result;
    }
    std::u16string value(std::u16string_view name) const {
        const std::u16string* v = macros.value(name);
        return v ? *v : u"<undefined>";
    }

    ScriptedPlatform platform;
    Session session;
    MacroTable macros;
    VirtualKeyNames keys;
    std::vector<std::pair<std::u16string, std::uint32_t>> language_names;
    DefinitionTables tables{macros, keys, [this](std::u16string_view name, std::uint32_t value) {
                                language_names.emplace_back(name, value);
                            }};
    ScriptReader reader{session.workspace(), tables};
    std::vector<ReadScript> scripts;
};

// Text without trailing blanks on each line, so expansions can be compared without counting the
// blank every expansion leaves behind.
inline std::u16string squeeze(std::u16string_view text) {
    std::u16string out;
    bool blank = false;
    for (char16_t c : text) {
        if (c == u' ' || c == u'\t') {
            blank = true;
            continue;
        }
        if (blank && c != u'\n' && !out.empty() && out.back() != u'\n') out.push_back(u' ');
        blank = false;
        out.push_back(c);
    }
    return out;
}

}  // namespace tavorin::testing
