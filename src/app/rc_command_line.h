#pragma once
// The rc personality's command line, as rc.exe takes it: options led by "/" or "-", without
// regard to case, values joined or following ("/foapp.res", "/fo app.res"), and one script.

#include <span>
#include <string>
#include <string_view>

#include "app/resource_compilation.h"
#include "base/result.h"

namespace tavorin {

// `arguments` excludes the program name. Outside Windows an argument such as "/home/me/app.rc"
// is a path, not an option: one whose first folder exists. An unknown option, a missing value,
// a bad language or code page, or a second script fails with a message naming it.
Result<ResourceCompilation> parse_rc_command_line(std::span<const std::u16string> arguments);

std::string rc_usage(std::string_view program);

}  // namespace tavorin
