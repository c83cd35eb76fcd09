#pragma once
// The windres personality's command line, as GNU windres takes it: short options with their
// value joined or following, long options with "=" or a following value (a unique prefix of a
// long name stands for it), "--" ending the options, and up to two file names (input, output).

#include <span>
#include <string>
#include <string_view>

#include "app/resource_compilation.h"
#include "base/result.h"

namespace tavorin {

// `arguments` excludes the program name; `machine` is the target when no -F names one. An
// unknown option, a missing value, a bad format, target, language or code page, or a
// preprocessor argument other than the dependency-file forms fails with a message naming it.
Result<ResourceCompilation> parse_windres_command_line(std::span<const std::u16string> arguments, CoffMachine machine);

// The object target a --target (-F) name means: pe-x86-64, pe-i386, pe-aarch64-little (or pei-).
std::optional<CoffMachine> coff_target(std::u16string_view name);

std::string windres_usage(std::string_view program);

}  // namespace tavorin
