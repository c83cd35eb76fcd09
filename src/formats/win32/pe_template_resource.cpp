// The Windows program carries the compressed module template as its resource 3 of type 102.

#include <windows.h>

#include "formats/pe_template.h"

namespace tavorin {

std::span<const std::uint8_t> compressed_pe_template() {
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(3), MAKEINTRESOURCEW(102));
    if (found == nullptr) return {};
    HGLOBAL loaded = LoadResource(nullptr, found);
    if (loaded == nullptr) return {};
    const auto* bytes = static_cast<const std::uint8_t*>(LockResource(loaded));
    if (bytes == nullptr) return {};
    return {bytes, SizeofResource(nullptr, found)};
}

}  // namespace tavorin
