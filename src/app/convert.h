#pragma once
// The conversion mode: open one file and save it in the format its output name asks for, with no
// window. Errors and warnings go to the message log; the caller reports them.

#include <string_view>

#include "app/session.h"

namespace tavorin {

// True when the output was written. The session must not be interactive.
bool convert_file(Session& session, std::u16string_view input, std::u16string_view output);

}  // namespace tavorin
