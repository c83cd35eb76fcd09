# Runs the command-line program's conversion mode: a kind it cannot convert fails loudly, a
# script is read and written back with its header, and a script with an error fails with the
# error report on stderr.

# A file kind that cannot be converted.
execute_process(COMMAND ${TAVORIN} -convert notes.txt out.rc
                RESULT_VARIABLE exit_code ERROR_VARIABLE errors OUTPUT_VARIABLE output)
if(exit_code EQUAL 0)
  message(FATAL_ERROR "tavorin -convert notes.txt out.rc exited with 0")
endif()
string(FIND "${errors}" "notes.txt: The file type is not supported." position)
if(position EQUAL -1)
  message(FATAL_ERROR "unexpected stderr: ${errors}")
endif()

# A script converted to a script in another folder.
set(work "${CMAKE_CURRENT_BINARY_DIR}/cli_convert_work")
file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${work}/in" "${work}/out")
file(WRITE "${work}/in/resource.h" "#define IDS_HELLO 101\n#define IDB_LOGO 102\n")
# Not a picture, but long enough for a bitmap file: the conversion only copies it.
file(WRITE "${work}/in/logo.bmp" "BM-------------------------------------------")
file(WRITE "${work}/in/app.rc"
     "#include \"resource.h\"\nSTRINGTABLE\nBEGIN\n    IDS_HELLO \"Hello\"\nEND\nIDB_LOGO BITMAP \"logo.bmp\"\n")
execute_process(COMMAND ${TAVORIN} -convert app.rc ../out/app.rc WORKING_DIRECTORY "${work}/in"
                RESULT_VARIABLE exit_code ERROR_VARIABLE errors OUTPUT_VARIABLE output)
if(NOT exit_code EQUAL 0)
  message(FATAL_ERROR "converting a script exited with ${exit_code}: ${errors}")
endif()
file(READ "${work}/out/app.rc" script)
foreach(expected "#include \"resource.h\"" "IDS_HELLO" "\"Hello\"" "IDB_LOGO" "BITMAP" "\"logo.bmp\"")
  string(FIND "${script}" "${expected}" position)
  if(position EQUAL -1)
    message(FATAL_ERROR "the written script lacks ${expected}:\n${script}")
  endif()
endforeach()
file(READ "${work}/out/resource.h" header)
foreach(expected "IDS_HELLO" "101" "IDB_LOGO" "102")
  string(FIND "${header}" "${expected}" position)
  if(position EQUAL -1)
    message(FATAL_ERROR "the written header lacks ${expected}:\n${header}")
  endif()
endforeach()
if(NOT EXISTS "${work}/out/logo.bmp")
  message(FATAL_ERROR "the bitmap the script names was not copied beside the written script")
endif()

# A script with an error.
file(WRITE "${work}/in/broken.rc" "1 BITMAP \"logo.bmp\"\n2 BITMAP { }\n")
execute_process(COMMAND ${TAVORIN} -convert broken.rc ../out/broken.rc WORKING_DIRECTORY "${work}/in"
                RESULT_VARIABLE exit_code ERROR_VARIABLE errors OUTPUT_VARIABLE output)
if(exit_code EQUAL 0)
  message(FATAL_ERROR "converting a broken script exited with 0")
endif()
string(FIND "${errors}" "broken.rc(2): error: Character string expected." position)
if(position EQUAL -1)
  message(FATAL_ERROR "unexpected stderr for a broken script: ${errors}")
endif()
if(EXISTS "${work}/out/broken.rc")
  message(FATAL_ERROR "a broken script was written")
endif()

# A script that includes <windows.h>, with no configuration: the mingw-w64 headers are found
# when they are installed; a missing include is an error at its line.
if(EXISTS "/usr/share/mingw-w64/include/windows.h")
  file(WRITE "${work}/in/sdk.rc" "#include <windows.h>\nLANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\n"
       "1 DIALOG 0, 0, 10, 10\nSTYLE DS_MODALFRAME | WS_POPUP\nBEGIN\nEND\n")
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=INCLUDE XDG_CONFIG_HOME=${work}/no-config
                          ${TAVORIN} -convert sdk.rc ../out/sdk.res WORKING_DIRECTORY "${work}/in"
                  RESULT_VARIABLE exit_code ERROR_VARIABLE errors OUTPUT_VARIABLE output)
  if(NOT exit_code EQUAL 0 OR NOT EXISTS "${work}/out/sdk.res")
    message(FATAL_ERROR "a script including <windows.h> did not convert: ${exit_code}: ${errors}")
  endif()
endif()
file(WRITE "${work}/in/lost.rc" "// a header nowhere\n#include \"lost.h\"\n")
execute_process(COMMAND ${TAVORIN} -I "${work}/none" -convert lost.rc ../out/lost.res WORKING_DIRECTORY "${work}/in"
                RESULT_VARIABLE exit_code ERROR_VARIABLE errors OUTPUT_VARIABLE output)
string(FIND "${errors}" "lost.rc(2): error: lost.h: not found in the include paths" position)
if(exit_code EQUAL 0 OR position EQUAL -1)
  message(FATAL_ERROR "a missing include: exit ${exit_code}, stderr: ${errors}")
endif()

# A script that does not exist.
execute_process(COMMAND ${TAVORIN} -convert missing.rc ../out/missing.rc WORKING_DIRECTORY "${work}/in"
                RESULT_VARIABLE exit_code ERROR_VARIABLE errors OUTPUT_VARIABLE output)
if(exit_code EQUAL 0 OR errors STREQUAL "")
  message(FATAL_ERROR "converting a missing script: exit ${exit_code}, stderr: ${errors}")
endif()

# A script through a compiled resource file and a new module, and back to scripts: the string
# and the custom resource survive every step.
file(WRITE "${work}/in/data.bin" "payload-bytes")
file(WRITE "${work}/in/multi.rc"
     "#include \"resource.h\"\nSTRINGTABLE\nBEGIN\n    IDS_HELLO \"Hello\"\nEND\n7 MYDATA \"data.bin\"\n")
foreach(step "multi.rc;../out/multi.res" "../out/multi.res;../out/from_res.rc"
             "multi.rc;../out/multi.dll" "../out/multi.dll;../out/from_dll.rc"
             "../out/multi.res;../out/copy.dll" "../out/copy.dll;../out/copy.res")
  list(GET step 0 from)
  list(GET step 1 to)
  execute_process(COMMAND ${TAVORIN} -convert ${from} ${to} WORKING_DIRECTORY "${work}/in"
                  RESULT_VARIABLE exit_code ERROR_VARIABLE errors OUTPUT_VARIABLE output)
  if(NOT exit_code EQUAL 0)
    message(FATAL_ERROR "tavorin -convert ${from} ${to} exited with ${exit_code}: ${errors}")
  endif()
endforeach()
foreach(script from_res.rc from_dll.rc)
  file(READ "${work}/out/${script}" text)
  foreach(expected "\"Hello\"" "MYDATA")
    string(FIND "${text}" "${expected}" position)
    if(position EQUAL -1)
      message(FATAL_ERROR "${script} lacks ${expected}:\n${text}")
    endif()
  endforeach()
endforeach()
file(READ "${work}/out/copy.res" compiled HEX)
file(READ "${work}/in/data.bin" payload HEX)
string(FIND "${compiled}" "${payload}" position)
if(position EQUAL -1)
  message(FATAL_ERROR "the custom resource's bytes did not survive .res -> .dll -> .res")
endif()

# The sample's toolbar through a compiled resource file and through a new module, and back to
# scripts: its size, buttons and separator survive as resource type 241.
get_filename_component(sample "${CMAKE_CURRENT_LIST_DIR}/../../examples/sample" ABSOLUTE)
file(COPY "${sample}/" DESTINATION "${work}/sample")
# The scripts written from compiled files go elsewhere: their header would replace the sample's.
file(MAKE_DIRECTORY "${work}/sample_out")
foreach(step "sample.rc;../sample_out/sample.res" "../sample_out/sample.res;../sample_out/from_res.rc"
             "sample.rc;../sample_out/sample.dll" "../sample_out/sample.dll;../sample_out/from_dll.rc")
  list(GET step 0 from)
  list(GET step 1 to)
  execute_process(COMMAND ${TAVORIN} -convert ${from} ${to} WORKING_DIRECTORY "${work}/sample"
                  RESULT_VARIABLE exit_code ERROR_VARIABLE errors OUTPUT_VARIABLE output)
  if(NOT exit_code EQUAL 0)
    message(FATAL_ERROR "tavorin -convert ${from} ${to} exited with ${exit_code}: ${errors}")
  endif()
endforeach()
foreach(script from_res.rc from_dll.rc)
  file(READ "${work}/sample_out/${script}" text)
  # Without the header the names come back as the values of the sample's resource.h.
  string(REGEX MATCH "105 TOOLBAR 16, 15\r?\n[{]\r?\n +BUTTON +40001\r?\n +BUTTON +40002\r?\n +SEPARATOR\r?\n +BUTTON +40003\r?\n[}]"
         toolbar "${text}")
  if(toolbar STREQUAL "")
    message(FATAL_ERROR "${script} lacks the sample's toolbar:\n${text}")
  endif()
endforeach()
file(REMOVE_RECURSE "${work}")
