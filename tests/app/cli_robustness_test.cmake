# Bad input given to the command-line program's conversion mode: every case fails with a
# non-zero exit, says what is wrong and where on stderr, and writes nothing.

set(work "${CMAKE_CURRENT_BINARY_DIR}/cli_robustness_work")
file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${work}/d.res" "${work}/d.rc" "${work}/folder")

string(REPEAT "x" 65536 long_text)
file(WRITE "${work}/folder_icon.rc" "1 ICON \"folder\"\n")
file(WRITE "${work}/long_string.rc" "STRINGTABLE\nBEGIN\n1 \"${long_text}\"\nEND\n")
file(WRITE "${work}/unclosed.rc" "STRINGTABLE\nBEGIN\n1 \"closed\"\n2 \"never closed\nEND\n")
file(WRITE "${work}/big_id.rc" "STRINGTABLE\nBEGIN\n1 \"a\"\n70000 \"b\"\nEND\n")
string(REPEAT "POPUP \"p\"\nBEGIN\n" 10000 popups)
string(REPEAT "END\n" 10000 ends)
file(WRITE "${work}/deep_menu.rc" "1 MENU\nBEGIN\n${popups}MENUITEM \"x\", 1\n${ends}END\n")
file(WRITE "${work}/bad.res" "not a compiled resource file, but long enough to be read as one")
file(WRITE "${work}/error.rc" "1 RCDATA { 1 }\n#error stop here\n")
file(WRITE "${work}/open_include.rc" "#include \"abc\n")
file(WRITE "${work}/empty.bmp" "")
file(WRITE "${work}/empty_bmp.rc" "\n1 BITMAP \"empty.bmp\"\n")
file(WRITE "${work}/bad.ico" "not an icon")
file(WRITE "${work}/bad_icon.rc" "\n1 ICON \"bad.ico\"\n")
file(WRITE "${work}/duplicate.rc" "1 RCDATA { 1 }\n2 RCDATA { 2 }\n1 RCDATA { 3 }\n")

# input|output|what stderr must say (the unit tests check the lines)
set(cases
    "d.res|out1.rc|Is a directory"
    "d.rc|out2.rc|Is a directory"
    "folder_icon.rc|out3.res|Is a directory"
    "long_string.rc|out4.rc|A string is longer than 65535 characters."
    "unclosed.rc|out5.rc|End of line encountered before the end of a character string."
    "big_id.rc|out6.rc|The value 70000 is out of range (0 to 65535)."
    "deep_menu.rc|out7.res|Menus nested too deeply."
    "bad.res|out8.rc|bad.res, offset 0x0: Bad compiled resource header."
    "error.rc|out9.res|error.rc(2): error: #error stop here"
    "open_include.rc|out10.res|open_include.rc(1): error: #include"
    "empty_bmp.rc|out11.res|empty_bmp.rc(2): error: empty.bmp: the bitmap file is empty or truncated."
    "duplicate.rc|out12.res|duplicate.rc(3): error: Duplicate resource: 1 of this type"
    "bad_icon.rc|out13.res|bad_icon.rc(2): bad.ico")
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" fields "${case}")
  list(GET fields 0 input)
  list(GET fields 1 output)
  list(GET fields 2 expected)
  execute_process(COMMAND ${TAVORIN} -convert ${input} ${output} WORKING_DIRECTORY "${work}"
                  RESULT_VARIABLE exit_code ERROR_VARIABLE errors OUTPUT_VARIABLE ignored)
  if(exit_code EQUAL 0)
    message(FATAL_ERROR "tavorin -convert ${input} ${output} exited with 0: ${errors}")
  endif()
  if(NOT exit_code EQUAL 1)
    message(FATAL_ERROR "tavorin -convert ${input} ${output} did not end normally (${exit_code}): ${errors}")
  endif()
  string(FIND "${errors}" "${expected}" position)
  if(position EQUAL -1)
    message(FATAL_ERROR "tavorin -convert ${input} ${output}: stderr lacks \"${expected}\":\n${errors}")
  endif()
  if(EXISTS "${work}/${output}")
    message(FATAL_ERROR "tavorin -convert ${input} ${output} wrote its output")
  endif()
endforeach()

# Arguments the program cannot run: the reason and the usage on stderr, exit 2, nothing written.
file(WRITE "${work}/ok.rc" "1 RCDATA { 1 }\n")
set(refusals
    "-convert|ok.rc|out20.res|-I|-I needs a value"
    "-convert|ok.rc|out21.res|extra.res|unexpected argument: extra.res"
    "-x|-convert|ok.rc|out22.res|unknown option: -x"
    "-convert|ok.rc|out23.res|-D|-D needs a value"
    "-delete|-delete needs a value"
    "-delete|ok.rc|other.rc|unexpected argument: other.rc")
foreach(refusal IN LISTS refusals)
  string(REPLACE "|" ";" arguments "${refusal}")
  list(POP_BACK arguments expected)
  execute_process(COMMAND ${TAVORIN} ${arguments} WORKING_DIRECTORY "${work}"
                  RESULT_VARIABLE exit_code ERROR_VARIABLE errors OUTPUT_VARIABLE output)
  string(FIND "${errors}" "tavorin: error: ${expected}" reason)
  string(FIND "${errors}" "usage: tavorin" usage)
  if(NOT exit_code EQUAL 2 OR reason EQUAL -1 OR usage EQUAL -1 OR NOT output STREQUAL "")
    message(FATAL_ERROR "tavorin ${arguments}: exit ${exit_code}, stdout \"${output}\", stderr:\n${errors}")
  endif()
endforeach()
file(GLOB written "${work}/out2?.res")
if(written OR NOT EXISTS "${work}/ok.rc")
  message(FATAL_ERROR "a refused command line converted or deleted: ${written}")
endif()
execute_process(COMMAND ${TAVORIN} --help RESULT_VARIABLE exit_code OUTPUT_VARIABLE output ERROR_VARIABLE errors)
string(FIND "${output}" "-delete FILE" documented)
if(NOT exit_code EQUAL 0 OR documented EQUAL -1)
  message(FATAL_ERROR "--help: exit ${exit_code}, it should document -delete:\n${output}")
endif()

file(GLOB leftovers "${work}/*.tavorin-tmp")
if(leftovers)
  message(FATAL_ERROR "temporary files left behind: ${leftovers}")
endif()
file(REMOVE_RECURSE "${work}")
