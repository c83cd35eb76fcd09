#pragma once
// Display names of language ids where the system has no locale database to ask.

#include <cstdint>
#include <string>

namespace tavorin {

std::u16string fallback_language_name(std::uint16_t language_id);

}  // namespace tavorin
