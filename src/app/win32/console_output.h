#pragma once
// Text for the terminal that started the program. A GUI program has no console of its own: it
// writes to its standard error handle when it was given one (redirected), else to the console
// of the process that started it, if any.

#include <string_view>

namespace tavorin {

void write_to_standard_error(std::string_view utf8);

}  // namespace tavorin
