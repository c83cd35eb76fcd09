#include "pe_template_lzma.h"

#include <stdlib.h>

#include "LzmaDec.h"

static void* allocate(void* unused, size_t size) {
    (void)unused;
    return malloc(size);
}

static void release(void* unused, void* address) {
    (void)unused;
    free(address);
}

int tavorin_lzma_decode(unsigned char* unpacked, size_t* unpacked_size, const unsigned char* packed,
                        size_t* packed_size, const unsigned char* properties, size_t properties_size) {
    ISzAlloc allocator = {allocate, release};
    ELzmaStatus status = LZMA_STATUS_NOT_SPECIFIED;
    SizeT out_size = *unpacked_size;
    SizeT in_size = *packed_size;
    SRes result = LzmaDecode(unpacked, &out_size, packed, &in_size, properties, (unsigned)properties_size,
                             LZMA_FINISH_END, &status, &allocator);
    *unpacked_size = out_size;
    *packed_size = in_size;
    return result == SZ_OK ? 0 : 1;
}
