// How fast a big script is preprocessed and scanned: the hot path of opening a script.
//
//   tavorin_bench                          run the benchmarks
//   tavorin_bench --write-input=DIR [--dialogs=N]
//                                          write the generated script and headers to DIR
//   tavorin_bench --write-input=DIR --units=N [--shape=numbers|windows|nested|many]
//                                          write a script for the compiler comparison (see
//                                          compiler_input.h) to DIR
//   tavorin_bench --read=FILE              preprocess and scan FILE once (for timing against
//                                          other preprocessors, see compare_preprocessor.sh)

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

#include "app/session.h"
#include "base/text.h"
#include "compiler_input.h"
#include "generated_script.h"
#include "platform/scripted_platform.h"
#include "script/char_class.h"
#include "script/lexer.h"
#include "script/script_reader.h"

namespace tavorin::bench {
namespace {

constexpr int default_dialogs = 1500;

class GeneratedInput {
public:
    GeneratedInput() {
        std::random_device random;
        folder_ = std::filesystem::temp_directory_path() / ("tavorin_bench_" + std::to_string(random()));
        script_ = write_generated_script(folder_, default_dialogs);
    }
    ~GeneratedInput() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    const GeneratedScript& script() const { return script_; }

private:
    std::filesystem::path folder_;
    GeneratedScript script_;
};

const GeneratedScript& generated() {
    static const GeneratedInput input;
    return input.script();
}

// Touches every token of a preprocessed script the way the statement parser does: words,
// texts and expressions.
std::size_t scan(const ScriptFile& file, const MacroTable& macros, const UiStrings& strings) {
    Lexer lexer(file.output.text, macros, strings, &file.output.positions);
    std::size_t tokens = 0;
    std::size_t pos = 0;
    while (true) {
        pos = lexer.skip_blanks(pos);
        if (lexer.at_end(pos)) break;
        const char16_t c = lexer.at(pos);
        ++tokens;
        if (c == u'"' || (c == u'L' && lexer.at(pos + 1) == u'"')) {
            auto text = lexer.string(pos);
            pos = text ? text->end : pos + 1;
        } else if (is_ascii_digit(c) || c == u'(' || c == u'-' || c == u'~') {
            auto id = lexer.item_id(pos);
            pos = id ? id->end : pos + 1;
        } else if (is_identifier_start(c)) {
            if (auto word = lexer.identifier(pos)) pos = word->end;
            else ++pos;
        } else {
            ++pos;
        }
    }
    return tokens;
}

struct Reading {
    ScriptedPlatform platform;
    Session session{platform};
    ScriptTables tables;
    ScriptReader reader{session.workspace(), tables};

    ReadStatus read(const std::filesystem::path& script, bool with_scan, std::size_t& tokens) {
        return reader.read_script(script, [&](const ScriptFile& file) {
            if (with_scan) tokens += scan(file, tables.macros, session.strings());
            return ReadStatus{};
        });
    }
};

void report(benchmark::State& state, std::size_t bytes) {
    const double processed = static_cast<double>(bytes) * static_cast<double>(state.iterations());
    state.SetBytesProcessed(static_cast<std::int64_t>(processed));
    state.counters["MB/s"] = benchmark::Counter(processed / 1e6, benchmark::Counter::kIsRate);
}

void preprocess_and_scan(benchmark::State& state, bool with_scan) {
    const auto& input = generated();
    Reading reading;
    std::size_t tokens = 0;
    for (auto _ : state) {
        ReadStatus status = reading.read(input.script, with_scan, tokens);
        if (!status) state.SkipWithError(text_to_utf8(status.failure().message).c_str());
        benchmark::DoNotOptimize(tokens);
    }
    report(state, input.bytes);
    state.counters["input MB"] = static_cast<double>(input.bytes) / 1e6;
}

void BM_PreprocessAndScan(benchmark::State& state) { preprocess_and_scan(state, true); }
void BM_PreprocessOnly(benchmark::State& state) { preprocess_and_scan(state, false); }

void BM_ScanOnly(benchmark::State& state) {
    const auto& input = generated();
    Reading reading;
    PreprocessedOutput kept;
    std::filesystem::path kept_path;
    std::vector<std::filesystem::path> kept_files;
    ReadStatus status = reading.reader.read_script(input.script, [&](const ScriptFile& file) {
        kept = file.output;
        kept_path = file.path;
        kept_files = file.files;
        return ReadStatus{};
    });
    if (!status) state.SkipWithError("the generated script failed");
    std::size_t tokens = 0;
    for (auto _ : state) {
        tokens += scan(ScriptFile{kept_path, kept, kept_files}, reading.tables.macros, reading.session.strings());
        benchmark::DoNotOptimize(tokens);
    }
    report(state, kept.text.size());
}

BENCHMARK(BM_PreprocessAndScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreprocessOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanOnly)->Unit(benchmark::kMillisecond);

bool option(const char* argument, const char* name, std::string& value) {
    const std::size_t length = std::strlen(name);
    if (std::strncmp(argument, name, length) != 0) return false;
    value = argument + length;
    return true;
}

}  // namespace
}  // namespace tavorin::bench

int main(int argc, char** argv) {
    using namespace tavorin;
    using namespace tavorin::bench;
    std::string write_to;
    std::string read_file;
    int dialogs = default_dialogs;
    int units = 0;
    std::string shape = "numbers";
    for (int i = 1; i < argc; ++i) {
        std::string value;
        if (option(argv[i], "--write-input=", value)) write_to = value;
        if (option(argv[i], "--read=", value)) read_file = value;
        if (option(argv[i], "--dialogs=", value)) dialogs = std::stoi(value);
        if (option(argv[i], "--units=", value)) units = std::stoi(value);
        if (option(argv[i], "--shape=", value)) shape = value;
    }
    if (!write_to.empty() && units > 0) {
        const InputShape input_shape = shape == "windows"  ? InputShape::windows_header
                                       : shape == "nested" ? InputShape::nested_macros
                                       : shape == "many"   ? InputShape::many_resources
                                                           : InputShape::numbers_only;
        const auto input = write_compiler_input(write_to, units, input_shape);
        std::printf("%s %zu\n", input.script.string().c_str(), input.bytes);
        return 0;
    }
    if (!write_to.empty()) {
        const auto input = write_generated_script(write_to, dialogs);
        std::printf("%s %zu\n", input.script.string().c_str(), input.bytes);
        return 0;
    }
    if (!read_file.empty()) {
        Reading reading;
        std::size_t tokens = 0;
        ReadStatus status = reading.read(read_file, true, tokens);
        if (!status) {
            std::fprintf(stderr, "%s: line %d: %s\n", status.failure().file.string().c_str(), status.failure().line,
                         text_to_utf8(status.failure().message).c_str());
            return 1;
        }
        std::printf("%zu tokens\n", tokens);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
