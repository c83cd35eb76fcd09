// Whole conversions of generated scripts at three sizes, and the stages of one conversion: reading
// the script into a project, writing it as .res, as a script with its header, and as a module.
// The 1x input is 260 units (a dialog, ten strings and every tenth a menu each, about 0.7 MB).
// Figures worth quoting come from the Release tree (scripts/build release).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

#include "app/convert.h"
#include "app/project_files.h"
#include "app/session.h"
#include "compiler_input.h"
#include "platform/scripted_platform.h"

namespace tavorin::bench {
namespace {

constexpr int units_1x = 260;

class InputFolder {
public:
    InputFolder() {
        std::random_device random;
        folder_ = std::filesystem::temp_directory_path() / ("tavorin_convert_bench_" + std::to_string(random()));
    }
    ~InputFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    const std::filesystem::path& path() const { return folder_; }

private:
    std::filesystem::path folder_;
};

const std::filesystem::path& folder() {
    static const InputFolder inputs;
    return inputs.path();
}

// Written once per size and shape, on first use.
const CompilerInput& input(int scale, InputShape shape = InputShape::numbers_only) {
    static std::map<std::pair<int, InputShape>, CompilerInput> written;
    auto it = written.find({scale, shape});
    if (it == written.end()) {
        const auto where = folder() / (std::to_string(static_cast<int>(shape)) + "_" + std::to_string(scale));
        it = written.emplace(std::pair{scale, shape}, write_compiler_input(where, units_1x * scale, shape)).first;
    }
    return it->second;
}

void report(benchmark::State& state, std::size_t bytes) {
    const double processed = static_cast<double>(bytes) * static_cast<double>(state.iterations());
    state.SetBytesProcessed(static_cast<std::int64_t>(processed));
    state.counters["input MB"] = static_cast<double>(bytes) / 1e6;
}

void BM_ConvertToRes(benchmark::State& state) {
    const auto& script = input(static_cast<int>(state.range(0)));
    const auto output = folder() / "convert.res";
    for (auto _ : state) {
        ScriptedPlatform platform;
        Session session{platform};
        session.set_interactive(false);
        if (!convert_file(session, script.script.u16string(), output.u16string())) {
            state.SkipWithError("the conversion failed");
            break;
        }
    }
    report(state, script.bytes);
}
BENCHMARK(BM_ConvertToRes)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);

// A session with the 10x script read into its project.
struct ReadProject {
    ScriptedPlatform platform;
    Session session{platform};
    ReadingTables tables;
    const CompilerInput& script = input(10);

    ReadProject() {
        session.set_interactive(false);
        if (!read_project_file(session, tables, script.script)) throw std::runtime_error("the script failed");
    }
    ~ReadProject() { session.project().clear(); }
};

void BM_ReadScript(benchmark::State& state) {
    const auto& script = input(10, static_cast<InputShape>(state.range(0)));
    ScriptedPlatform platform;
    Session session{platform};
    session.set_interactive(false);
    for (auto _ : state) {
        ReadingTables tables;
        if (!read_project_file(session, tables, script.script)) {
            state.SkipWithError("the script failed");
            break;
        }
        state.PauseTiming();
        session.project().clear();
        state.ResumeTiming();
    }
    report(state, script.bytes);
}
BENCHMARK(BM_ReadScript)
    ->Arg(static_cast<int>(InputShape::numbers_only))
    ->Arg(static_cast<int>(InputShape::nested_macros))
    ->Arg(static_cast<int>(InputShape::many_resources))
    ->Unit(benchmark::kMillisecond);

void BM_CloseProject(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto read = std::make_unique<ReadProject>();
        state.ResumeTiming();
        read->session.project().clear();
        state.PauseTiming();
        read.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CloseProject)->Unit(benchmark::kMillisecond);

void write_as(benchmark::State& state, const char* extension) {
    ReadProject read;
    ProjectWrite write;
    write.target = folder() / (std::string("written") + extension);
    write.header_name = u"written.h";
    write.as_new = true;
    write.opened_path = read.script.script;
    write.opened_kind = FileKind::script;
    write.content_folder = read.script.script.parent_path();
    for (auto _ : state) {
        const WriteOutcome outcome = write_project_file(read.session, write);
        if (outcome != WriteOutcome::written) {
            state.SkipWithError("the write failed");
            break;
        }
    }
    report(state, read.script.bytes);
}

void BM_WriteRes(benchmark::State& state) { write_as(state, ".res"); }
// Another script read with no edit is kept as written: the save copies its files.
void BM_WriteScriptAndHeader(benchmark::State& state) { write_as(state, ".rc"); }
void BM_WriteModule(benchmark::State& state) { write_as(state, ".dll"); }
BENCHMARK(BM_WriteRes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteScriptAndHeader)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteModule)->Unit(benchmark::kMillisecond);

// A project of 5,000 data resources held in memory (read from a .res) saved as a script: every
// resource goes to a numbered file of its own beside the script, in one transaction.
void BM_SaveScriptWith5000Files(benchmark::State& state) {
    constexpr int count = 5000;
    const auto source = folder() / "files5000";
    std::filesystem::create_directories(source);
    std::string script;
    for (int i = 1; i <= count; ++i) script += "R" + std::to_string(i) + " RCDATA { " + std::to_string(i) + " }\n";
    {
        std::ofstream(source / "files.rc", std::ios::binary) << script;
        ScriptedPlatform platform;
        Session session{platform};
        session.set_interactive(false);
        if (!convert_file(session, (source / "files.rc").u16string(), (source / "files.res").u16string())) {
            state.SkipWithError("the conversion to .res failed");
            return;
        }
    }
    int round = 0;
    for (auto _ : state) {
        const auto target = folder() / ("files5000_" + std::to_string(round++));
        std::filesystem::create_directories(target);
        ScriptedPlatform platform;
        Session session{platform};
        session.set_interactive(false);
        if (!convert_file(session, (source / "files.res").u16string(), (target / "files.rc").u16string())) {
            state.SkipWithError("the save failed");
            break;
        }
        state.PauseTiming();
        std::error_code ignored;
        std::filesystem::remove_all(target, ignored);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SaveScriptWith5000Files)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavorin::bench
