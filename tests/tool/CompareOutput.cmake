# Runs TOOL with ARGS and --dir DIR (unless NO_DIR); passes when it exits 0 and
# its standard output equals the file EXPECTED byte for byte.
if(NO_DIR)
  set(DIR_ARGS)
else()
  set(DIR_ARGS --dir ${DIR})
endif()
string(MAKE_C_IDENTIFIER "${ARGS}" name)
set(actual ${CMAKE_CURRENT_BINARY_DIR}/${name}.out)
execute_process(COMMAND ${TOOL} ${ARGS} ${DIR_ARGS}
  OUTPUT_FILE ${actual} ERROR_VARIABLE errors RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "exit code ${result}: ${errors}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${EXPECTED} ${actual}
  RESULT_VARIABLE different)
if(different)
  message(FATAL_ERROR "${actual} differs from ${EXPECTED}")
endif()
