#pragma once
/* A plain C entry into the LZMA SDK's decoder. The SDK's headers pull in <windows.h> when built
   for Windows, so the core calls the decoder through this declaration only; the definition is
   compiled with the SDK (see cmake/Lzma.cmake). */

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Decodes `*packed_size` bytes of a raw LZMA stream with its 5 property bytes into
   `*unpacked_size` bytes; both sizes are updated to what was used and produced. Returns 0 when
   the stream decoded completely. */
int tavorin_lzma_decode(unsigned char* unpacked, size_t* unpacked_size, const unsigned char* packed,
                        size_t* packed_size, const unsigned char* properties, size_t properties_size);

#ifdef __cplusplus
}
#endif
