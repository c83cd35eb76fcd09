// How fast the checks run over a large module: Wine's shell32 (dialogs, menus and strings in
// about forty languages), the checks alone on a project already read and the whole run of
// reading and checking. check_wine_modules.sh times tavorin -check over every Wine module.

#include <benchmark/benchmark.h>

#include "app/session.h"
#include "checks/font_files.h"
#include "checks/freetype_measure.h"
#include "checks/run_checks.h"
#include "formats/pe_file.h"
#include "platform/scripted_platform.h"

namespace tavorin::bench {
namespace {

const std::filesystem::path shell32 = "/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/shell32.dll";

struct CheckedModule {
    ScriptedPlatform platform;
    Session session{platform};
    ImageNumbers numbers;
    VirtualKeyNames keys;

    bool read() { return read_pe_file(session.workspace(), shell32, CompiledImportTables{numbers, keys}).ok(); }
    std::size_t check(FontMeasurer* measurer) {
        const Findings findings = run_checks(
            CheckRun{session.project(), session.symbols(), shell32, measurer, [](std::string_view) { return std::u16string(); }},
            CheckOptions{});
        return findings.size();
    }
};

void BM_CheckShell32(benchmark::State& state) {
    if (!std::filesystem::exists(shell32)) return state.SkipWithError("Wine's shell32 is not installed");
    CheckedModule module;
    if (!module.read()) return state.SkipWithError("the module did not read");
    const auto measurer = make_freetype_measurer(default_font_folders());
    std::size_t findings = 0;
    for (auto _ : state) {
        findings = module.check(measurer.get());
        benchmark::DoNotOptimize(findings);
    }
    state.counters["findings"] = static_cast<double>(findings);
    state.counters["resources"] = static_cast<double>(module.session.project().resources().size());
}

// What one tavorin -check of the module does: open the fonts, read the module, check it.
void BM_ReadAndCheckShell32(benchmark::State& state) {
    if (!std::filesystem::exists(shell32)) return state.SkipWithError("Wine's shell32 is not installed");
    for (auto _ : state) {
        const auto measurer = make_freetype_measurer(default_font_folders());
        CheckedModule module;
        if (!module.read()) return state.SkipWithError("the module did not read");
        benchmark::DoNotOptimize(module.check(measurer.get()));
    }
}

BENCHMARK(BM_CheckShell32)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndCheckShell32)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavorin::bench
