// The program's file entry points over arbitrary bytes: the first byte picks what the rest is
// (a script, a compiled resource file, a module, or an image, icon or cursor file a script
// names), the file is opened the way the program opens a project, its resources load their
// files, and the project is saved as a compiled resource file through the safe file writer.

#include <unistd.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "app/project_files.h"
#include "app/session.h"
#include "platform/scripted_platform.h"
#include "fuzz_folder.h"

namespace {

namespace fs = std::filesystem;

const fs::path& folder() {
    static const tavorin::fuzzing::FuzzFolder instance("tavorin_fuzz_files");
    static const bool filled = [] {
        fs::create_directories(instance.path() / "folder");
        return true;
    }();
    (void)filled;
    return instance.path();
}

struct Entry {
    const char* file;    // what the bytes are written as
    const char* script;  // the script that names it, when it is no project file itself
};

// The folder "folder" stands for a name that is no file.
constexpr std::array<Entry, 9> entries{{
    {"in.rc", nullptr},
    {"in.res", nullptr},
    {"in.dll", nullptr},
    {"in.ico", "1 ICON \"in.ico\"\n2 ICON \"folder\"\n"},
    {"in.cur", "1 CURSOR \"in.cur\"\n"},
    {"in.bmp", "1 BITMAP \"in.bmp\"\n"},
    {"in.png", "1 ICON \"in.png\"\n"},
    {"in.bin", "1 RCDATA \"in.bin\"\n2 MYTYPE \"folder\"\n"},
    {"in.bmp", "1 TOOLBAR 16, 15\nBEGIN\nBUTTON 100\nEND\n1 BITMAP \"in.bmp\"\n"},
}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavorin;
    if (size == 0) return 0;
    const Entry& entry = entries[data[0] % entries.size()];
    fuzzing::write_input(folder() / entry.file, data + 1, size - 1);
    fs::path opened = folder() / entry.file;
    if (entry.script != nullptr) {
        opened = folder() / "names.rc";
        std::ofstream(opened, std::ios::binary | std::ios::trunc) << entry.script;
    }

    ScriptedPlatform platform;
    platform.folder = folder();
    Session session(platform);
    session.set_interactive(false);
    ReadingTables tables;
    if (!read_project_file(session, tables, opened)) return 0;
    load_file_contents(session, folder());

    ProjectWrite write;
    write.target = folder() / "out.res";
    write.content_folder = folder();
    (void)write_project_file(session, write);
    session.project().clear();
    return 0;
}
