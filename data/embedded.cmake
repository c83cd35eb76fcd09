# Data files compiled into the program (see tavorin_embed in the top-level CMakeLists.txt).
tavorin_embed(english_strings ${CMAKE_CURRENT_LIST_DIR}/strings/English.txt)
