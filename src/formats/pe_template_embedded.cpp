// The Linux build carries the compressed module template as an array; the Windows program
// carries it as its resource (win32/pe_template_resource.cpp).
#ifndef _WIN32

#include "formats/pe_template.h"

namespace tavorin {

namespace embedded {
std::span<const unsigned char> compressed_pe_template();
}

std::span<const std::uint8_t> compressed_pe_template() { return embedded::compressed_pe_template(); }

}  // namespace tavorin

#endif
