#pragma once
// Windows-1252, the ANSI code page used where the system has none (Linux, tests).

#include <string>
#include <string_view>

namespace tavorin {

std::u16string windows1252_to_text(std::string_view bytes);
// Characters with no Windows-1252 byte become '?', as the Windows conversion does by default.
std::string text_to_windows1252(std::u16string_view text);

}  // namespace tavorin
