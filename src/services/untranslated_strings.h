#pragma once

#include <array>
#include <string>

namespace tavorin {

// The texts from number 0xFFFF on, the same in every language: "ANSI", "UNICODE", the VOS_ names,
// "File Flags", the VFT_ and VFT2_ names of version information.
const std::array<std::u16string, 40>& untranslated_strings();

}  // namespace tavorin
