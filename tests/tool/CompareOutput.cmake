# Runs TOOL with ARGS and --dir DIR; passes when it exits 0 and its standard
# output equals the file EXPECTED byte for byte.
execute_process(COMMAND ${TOOL} ${ARGS} --dir ${DIR}
  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "exit code ${result}: ${errors}")
endif()
file(READ ${EXPECTED} expected)
if(NOT output STREQUAL expected)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/actual_output ${output})
  message(FATAL_ERROR "output differs from ${EXPECTED}; see actual_output")
endif()
