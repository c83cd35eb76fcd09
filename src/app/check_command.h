#pragma once
// "tavorin -check [options] INPUT...": runs the checks over each input and prints the findings
// as compilers print diagnostics, as JSON or as SARIF.

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "checks/check_context.h"

namespace tavorin {

struct ConsoleRun;

struct CheckCommand {
    enum class Format { text, json, sarif };
    std::vector<std::u16string> inputs;
    std::vector<std::u16string> include_folders;
    std::vector<std::pair<std::u16string, std::u16string>> definitions;
    CheckOptions options;
    Format format = Format::text;
    bool warnings_are_errors = false;
    bool show_help = false;
    // Why the arguments are refused; empty when they are not.
    std::u16string refusal;
};

// Whether the arguments ask for the checks (the first one is "-check").
bool is_check_command(std::span<const std::u16string> arguments);

// The arguments after "-check".
CheckCommand parse_check_command(std::span<const std::u16string> arguments);

// The usage of the checks with the list of checks, lines ending in LF.
std::string check_command_usage();

// Reads and checks every input. Findings go to `out`, reading problems and usage errors to
// `errors`. The exit code: 0 without error findings, 1 with one (every finding is an error with
// --werror) or when an input cannot be read, 2 for a usage error.
int run_check_command(ConsoleRun& run, const CheckCommand& command, std::ostream& out, std::ostream& errors);

}  // namespace tavorin
