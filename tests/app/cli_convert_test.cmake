# Runs the command-line program on a file kind it cannot convert and checks that it fails loudly.
execute_process(COMMAND ${TAVORIN} -convert notes.txt out.rc
                RESULT_VARIABLE exit_code ERROR_VARIABLE errors OUTPUT_VARIABLE output)
if(exit_code EQUAL 0)
  message(FATAL_ERROR "tavorin -convert notes.txt out.rc exited with 0")
endif()
string(FIND "${errors}" "notes.txt: The file type is not supported." position)
if(position EQUAL -1)
  message(FATAL_ERROR "unexpected stderr: ${errors}")
endif()
