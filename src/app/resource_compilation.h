#pragma once
// One run of the program as a build's resource compiler: what the rc and windres command lines
// ask for, in one form, and the run itself.

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "formats/coff_resource_object.h"

namespace tavorin {

struct ConsoleRun;

enum class ResourceFormat : std::uint8_t { script, res, coff };

// How messages are shown: rc's "app.rc(3) : error: ..." or windres's "app.rc:3: error: ...",
// each led by the program's name where no file is concerned.
enum class CompilerStyle : std::uint8_t { rc, windres };

struct ResourceCompilation {
    enum class Action : std::uint8_t { compile, help, version };
    Action action = Action::compile;

    std::u16string input;
    std::u16string output;  // empty: the rc personality's default beside the input
    std::optional<ResourceFormat> input_format;   // else by the name, then by the content
    std::optional<ResourceFormat> output_format;  // else by the name
    CoffMachine machine = CoffMachine::x86_64;

    std::vector<std::u16string> include_folders;
    std::vector<CommandLine::Definition> definitions;
    std::vector<std::u16string> undefinitions;
    std::optional<std::uint16_t> language;
    std::optional<std::uint32_t> code_page;
    bool ignore_include_variable = false;  // rc's /x
    bool verbose = false;

    // A Make-style dependency file, as C preprocessors write it for -MD: the output as target
    // (or the -MQ/-MT targets), every file the script read as prerequisites.
    bool write_dependencies = false;
    std::u16string dependency_file;  // empty: the output's name with ".d"
    std::vector<std::u16string> dependency_targets;  // quoted for make (-MQ)
    std::vector<std::u16string> raw_dependency_targets;  // as given (-MT)
    bool phony_dependencies = false;  // -MP

    bool operator==(const ResourceCompilation&) const = default;
};

// The format a file name asks for: ".rc"/".dlg" script, ".res", ".o"/".obj" object.
std::optional<ResourceFormat> format_of_name(std::u16string_view name);

// "rc", "res" or "coff", without regard to case.
std::optional<ResourceFormat> parse_format_name(std::u16string_view name);

// Digits in `base` (16: after an optional "0x"; 0: hexadecimal after "0x", else decimal).
// Nothing for any other text or a value beyond 32 bits.
std::optional<std::uint32_t> parse_option_number(std::u16string_view text, int base);

// "NAME=VALUE" or "NAME" (defined empty).
CommandLine::Definition parse_definition(std::u16string_view text);

// Code pages a script may be read in without its own marks: Windows-1252 and UTF-8.
bool is_supported_code_page(std::uint32_t code_page);

// Runs the compilation; messages go to `out` in the personality's style, led by `program` where
// no file is concerned. Returns the exit code: 0 on success, 1 on failure.
int run_resource_compilation(ConsoleRun& run, const ResourceCompilation& compilation, CompilerStyle style,
                             std::string_view program, std::ostream& out);

}  // namespace tavorin
