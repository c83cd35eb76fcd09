# The LZMA SDK's encoder and decoder, from the C sources Debian's lzma-dev installs, as a small
# static library (single-threaded: no match-finder threads), with the plain C entry the core
# calls the decoder through (src/formats/pe_template_lzma.c) to unpack the built-in module
# template; tools/pe_template uses the encoder to make it.
set(TAVORIN_LZMA_SDK /usr/include/lzma CACHE PATH "Folder of the LZMA SDK's C sources (LzmaDec.c, LzmaEnc.c, LzFind.c)")
if(NOT EXISTS ${TAVORIN_LZMA_SDK}/LzmaDec.c OR NOT EXISTS ${TAVORIN_LZMA_SDK}/LzmaEnc.c)
  message(FATAL_ERROR "The LZMA SDK sources are missing under ${TAVORIN_LZMA_SDK}: install lzma-dev (scripts/setup)")
endif()
if(NOT TARGET tavorin_lzma)
  add_library(tavorin_lzma STATIC ${TAVORIN_LZMA_SDK}/LzmaDec.c ${TAVORIN_LZMA_SDK}/LzmaEnc.c ${TAVORIN_LZMA_SDK}/LzFind.c
              ${CMAKE_CURRENT_LIST_DIR}/../src/formats/pe_template_lzma.c)
  # The folder also holds liblzma's headers (version.h, base.h ...), so it is not handed on to
  # the library's users: the core reaches the decoder through src/formats/pe_template_lzma.h.
  target_include_directories(tavorin_lzma PRIVATE ${TAVORIN_LZMA_SDK})
  target_compile_definitions(tavorin_lzma PUBLIC _7ZIP_ST)
  set_target_properties(tavorin_lzma PROPERTIES C_STANDARD 99 POSITION_INDEPENDENT_CODE ON)
endif()
