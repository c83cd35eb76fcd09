// A string table of 30,000 strings: reading its script (with a header naming every identifier)
// into a project, which is what opening the file costs before the editor's virtual list shows
// the rows it needs; and a search over every string that finds nothing, the slowest Find Next.
// Figures worth quoting come from the Release tree (scripts/build release).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <system_error>

#include "app/project_files.h"
#include "app/session.h"
#include "platform/scripted_platform.h"
#include "resources/stringtable/string_search.h"
#include "resources/stringtable/string_table.h"

namespace tavorin::bench {
namespace {

constexpr int string_count = 30000;

class StringTableScript {
public:
    StringTableScript() {
        std::random_device random;
        folder_ = std::filesystem::temp_directory_path() / ("tavorin_string_bench_" + std::to_string(random()));
        std::filesystem::create_directories(folder_);
        std::ofstream header(folder_ / "strings.h", std::ios::binary);
        std::ofstream script(folder_ / "strings.rc", std::ios::binary);
        script << "#include \"strings.h\"\r\nLANGUAGE 9, 1\r\nSTRINGTABLE\r\n{\r\n";
        for (int i = 1; i <= string_count; ++i) {
            header << "#define IDS_STRING" << i << ' ' << i << "\r\n";
            script << "    IDS_STRING" << i << " \"String number " << i << " of a long table\"\r\n";
        }
        script << "}\r\n";
    }
    ~StringTableScript() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    std::filesystem::path script() const { return folder_ / "strings.rc"; }

private:
    std::filesystem::path folder_;
};

const StringTableScript& script() {
    static const StringTableScript written;
    return written;
}

void BM_OpenStringTable30000(benchmark::State& state) {
    ScriptedPlatform platform;
    Session session{platform};
    session.set_interactive(false);
    for (auto _ : state) {
        ReadingTables tables;
        if (!read_project_file(session, tables, script().script())) {
            state.SkipWithError("the script failed");
            break;
        }
        state.PauseTiming();
        const auto* table = dynamic_cast<const StringTable*>(session.project().string_table(0x409));
        if (table == nullptr || table->size() != string_count) state.SkipWithError("the table is incomplete");
        session.project().clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenStringTable30000)->Unit(benchmark::kMillisecond);

void BM_FindNothingIn30000(benchmark::State& state) {
    ScriptedPlatform platform;
    Session session{platform};
    session.set_interactive(false);
    ReadingTables tables;
    if (!read_project_file(session, tables, script().script())) {
        state.SkipWithError("the script failed");
        return;
    }
    const auto* table = dynamic_cast<const StringTable*>(session.project().string_table(0x409));
    for (auto _ : state) {
        benchmark::DoNotOptimize(find_next_string(table->entries(), 0, TextSearch{u"absent", false, true}));
    }
    session.project().clear();
}
BENCHMARK(BM_FindNothingIn30000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavorin::bench
