#pragma once
// The program as a build's resource compiler: called as "tavorin-rc" or "tavorin-windres" (also
// with a toolchain prefix, "x86_64-w64-mingw32-tavorin-windres"), or as "tavorin rc ..." and
// "tavorin windres ...", it takes rc's or windres's command line instead of its own.

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "app/resource_compilation.h"

namespace tavorin {

struct ConsoleRun;

struct Personality {
    CompilerStyle style = CompilerStyle::windres;
    std::string program;  // the name messages start with
    // The object target without -F: a toolchain prefix "i686-" means pe-i386, "aarch64-" ARM64.
    CoffMachine machine = CoffMachine::x86_64;
    std::span<const std::u16string> arguments;  // without the personality's own word
};

// The personality the program's path or first argument chooses; nothing for the program's own
// command line.
std::optional<Personality> choose_personality(std::u16string_view program_path,
                                              std::span<const std::u16string> arguments);

// Parses the personality's command line and runs it: help and version on `out`, messages on
// `errors`. The exit code: 0 on success, 1 for a failed compilation or a bad command line.
int run_personality(const Personality& personality, ConsoleRun& run, std::ostream& out, std::ostream& errors);

}  // namespace tavorin
