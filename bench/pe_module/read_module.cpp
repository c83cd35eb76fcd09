// Reads the resources of one PE module into a project, the way the program opens a module, and
// prints how many resources it made: the process compare_pe_reader.sh times.
//
//   tavorin_read_module FILE        read FILE
//   tavorin_read_module --largest   print the Wine module with the largest resource section

#include <cstdio>
#include <cstring>

#include "app/session.h"
#include "formats/pe_file.h"
#include "pe_module_largest.h"
#include "platform/scripted_platform.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tavorin_read_module FILE | --largest\n");
        return 2;
    }
    if (std::strcmp(argv[1], "--largest") == 0) {
        const auto path = tavorin::bench::largest_wine_module();
        if (path.empty()) return 1;
        std::printf("%s\n", path.string().c_str());
        return 0;
    }
    tavorin::ScriptedPlatform platform;
    tavorin::Session session(platform);
    tavorin::ImageNumbers numbers;
    tavorin::VirtualKeyNames keys;
    if (!tavorin::read_pe_file(session.workspace(), argv[1], tavorin::CompiledImportTables{numbers, keys})) return 1;
    std::printf("%zu resources\n", session.project().resources().size());
    return 0;
}
