// One dialog with as many controls as a dialog holds (65,535), read from a script and written as
// a .res file and as a script: every new control takes a unique key, which must not cost a walk
// through the controls before it. A dialog of 70,000 controls is refused at its 65,536th, and the
// refusal must come as quickly. Figures worth quoting come from the Release tree.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <system_error>

#include "app/convert.h"
#include "app/session.h"
#include "dialog/dialog.h"
#include "platform/scripted_platform.h"

namespace tavorin::bench {
namespace {

class ControlsFolder {
public:
    ControlsFolder() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() / ("tavorin_controls_bench_" + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~ControlsFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

const std::filesystem::path& folder() {
    static const ControlsFolder controls;
    return controls.path();
}

std::filesystem::path dialog_script(std::int64_t controls) {
    const auto script = folder() / ("controls_" + std::to_string(controls) + ".rc");
    if (std::filesystem::exists(script)) return script;
    std::ofstream out(script, std::ios::binary);
    out << "1 DIALOGEX 0, 0, 400, 300\nCAPTION \"Controls\"\nBEGIN\n";
    for (std::int64_t i = 0; i < controls; ++i) {
        out << "    CONTROL \"Item " << i << "\", " << 1000 + i % 30000 << ", \"Button\", 0x50010000, " << i % 380
            << ", " << (i / 380) % 290 << ", 20, 10\n";
    }
    out << "END\n";
    return script;
}

void BM_DialogControls(benchmark::State& state, const char* extension) {
    const std::int64_t controls = state.range(0);
    const auto script = dialog_script(controls);
    const auto output = folder() / (std::string("written") + extension);
    const bool refused = static_cast<std::size_t>(controls) > max_controls;
    for (auto _ : state) {
        ScriptedPlatform platform;
        Session session{platform};
        session.set_interactive(false);
        if (convert_file(session, script.u16string(), output.u16string()) == refused) {
            state.SkipWithError(refused ? "a dialog past the limit was written" : "the conversion failed");
            break;
        }
    }
    state.counters["controls"] = static_cast<double>(controls);
}

BENCHMARK_CAPTURE(BM_DialogControls, res, ".res")->Arg(65535)->Arg(70000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DialogControls, script, ".rc")->Arg(65535)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavorin::bench
