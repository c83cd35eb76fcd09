# The layer check passes on the project's sources, and fails on a small tree for each kind of
# include that breaks the layering, naming the include.

execute_process(COMMAND bash ${CHECK} RESULT_VARIABLE exit_code OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT exit_code EQUAL 0)
  message(FATAL_ERROR "the project's sources break the layering:\n${output}")
endif()

set(work "${CMAKE_CURRENT_BINARY_DIR}/check_layers_work")

# Each case: a file and the include it gets, then the text the report must hold.
set(cases
  "model/project.cpp|app/session.h|only src/app/ may include"
  "base/text.cpp|model/project.h|base/ may include only"
  "services/message_log.cpp|model/project.h|services/ may include only"
  "imaging/png.cpp|services/config.h|imaging/ may include only"
  "formats/writer.cpp|script/reader.h|in a cycle")
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" fields "${case}")
  list(GET fields 0 file)
  list(GET fields 1 header)
  list(GET fields 2 expected)
  file(REMOVE_RECURSE "${work}")
  # A clean tree: script sits above formats, everything above base.
  file(WRITE "${work}/app/session.h" "#include \"model/project.h\"\n")
  file(WRITE "${work}/model/project.h" "#include \"services/config.h\"\n")
  file(WRITE "${work}/services/config.h" "#include \"base/text.h\"\n#include \"platform/platform.h\"\n")
  file(WRITE "${work}/services/message_log.cpp" "")
  file(WRITE "${work}/platform/platform.h" "#include \"base/text.h\"\n")
  file(WRITE "${work}/imaging/png.cpp" "#include \"base/text.h\"\n")
  file(WRITE "${work}/base/text.h" "#include <string>\n")
  file(WRITE "${work}/base/text.cpp" "#include \"base/text.h\"\n")
  file(WRITE "${work}/script/reader.h" "#include \"formats/writer.h\"\n")
  file(WRITE "${work}/formats/writer.h" "#include \"model/project.h\"\n")
  file(WRITE "${work}/formats/writer.cpp" "#include \"formats/writer.h\"\n")
  execute_process(COMMAND bash ${CHECK} "${work}" RESULT_VARIABLE clean_exit OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT clean_exit EQUAL 0)
    message(FATAL_ERROR "the clean tree fails the check:\n${output}")
  endif()
  file(APPEND "${work}/${file}" "#include \"${header}\"\n")
  execute_process(COMMAND bash ${CHECK} "${work}" RESULT_VARIABLE exit_code OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(exit_code EQUAL 0)
    message(FATAL_ERROR "${file} including ${header} passes the check")
  endif()
  string(FIND "${output}" "${expected}" position)
  if(position EQUAL -1)
    message(FATAL_ERROR "${file} including ${header}: the report lacks '${expected}':\n${output}")
  endif()
endforeach()
file(REMOVE_RECURSE "${work}")
