# Data files compiled into the program (see tavorin_embed in the top-level CMakeLists.txt).
tavorin_embed(english_strings ${CMAKE_CURRENT_LIST_DIR}/strings/English.txt)
# The compressed module template (made by tools/pe_template); the Windows program carries it as
# a resource instead (data/tavorin.rc).
if(NOT WIN32)
  tavorin_embed(compressed_pe_template ${pe_template_file})
endif()
