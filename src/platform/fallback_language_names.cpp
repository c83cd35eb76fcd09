#include "platform/fallback_language_names.h"

#include "base/text.h"

namespace tavorin {

std::u16string fallback_language_name(std::uint16_t language_id) {
    if (language_id == 0 || language_id == 0x400 || language_id == 0x800) return u"Neutral";
    if (language_id == 0x409) return u"English (United States)";
    return u"Language 0x" + hexadecimal(language_id, 4);
}

}  // namespace tavorin
