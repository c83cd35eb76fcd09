// How fast the resources of a large PE module are read and written: the Wine module with the
// largest resource section, walked, read into a project (every resource decoded), and written
// back into a copy of the module. compare_pe_reader.sh times the reading against
// llvm-readobj-14 --coff-resources on the same file.

#include <benchmark/benchmark.h>

#include <random>
#include <system_error>

#include "app/session.h"
#include "formats/pe_file.h"
#include "pe_module_largest.h"
#include "platform/scripted_platform.h"

namespace tavorin::bench {
namespace {

const std::filesystem::path& module_path() {
    static const std::filesystem::path path = largest_wine_module();
    return path;
}

struct ReadModule {
    ScriptedPlatform platform;
    Session session{platform};
    ImageNumbers numbers;
    VirtualKeyNames keys;

    bool read() { return read_pe_file(session.workspace(), module_path(), CompiledImportTables{numbers, keys}).ok(); }
};

void BM_ListPeResources(benchmark::State& state) {
    if (module_path().empty()) return state.SkipWithError("Wine's modules are not installed");
    for (auto _ : state) {
        auto listing = list_pe_resources(module_path());
        benchmark::DoNotOptimize(listing);
    }
    state.SetLabel(module_path().filename().string());
}

void BM_ReadPeModule(benchmark::State& state) {
    if (module_path().empty()) return state.SkipWithError("Wine's modules are not installed");
    for (auto _ : state) {
        ReadModule reading;
        if (!reading.read()) return state.SkipWithError("the module did not read");
        benchmark::DoNotOptimize(reading.session.project().resources().size());
    }
    state.SetLabel(module_path().filename().string());
}

void BM_RewritePeModule(benchmark::State& state) {
    if (module_path().empty()) return state.SkipWithError("Wine's modules are not installed");
    ReadModule reading;
    if (!reading.read()) return state.SkipWithError("the module did not read");
    std::random_device random;
    const auto copy = std::filesystem::temp_directory_path() / ("tavorin_bench_" + std::to_string(random()) + ".dll");
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::copy_file(module_path(), copy, std::filesystem::copy_options::overwrite_existing);
        state.ResumeTiming();
        if (!write_pe_file(reading.session.workspace(), copy)) return state.SkipWithError("the module was not written");
    }
    std::error_code ignored;
    std::filesystem::remove(copy, ignored);
    state.SetLabel(module_path().filename().string());
}

BENCHMARK(BM_ListPeResources)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadPeModule)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RewritePeModule)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavorin::bench
