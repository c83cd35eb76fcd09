#pragma once
// The one message every image decoder gives for data it cannot accept.

#include "base/result.h"

namespace tavorin {

inline constexpr char16_t invalid_file_structure_text[] = u"Invalid file structure";

inline Error invalid_file_structure() { return Error{invalid_file_structure_text}; }

}  // namespace tavorin
