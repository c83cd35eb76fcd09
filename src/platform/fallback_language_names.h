#pragma once
// Display names of language ids where the system has no locale database to ask: the English
// names of every language id that Windows names (primary language and sublanguage 1 or more).

#include <cstdint>
#include <string>

namespace tavorin {

// "Neutral" for 0, 0x400 and 0x800; an empty text for an id Windows does not name.
std::u16string fallback_language_name(std::uint16_t language_id);

}  // namespace tavorin
