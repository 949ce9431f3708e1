# Runs TOOL with ARGS; passes when it exits non-zero and says MESSAGE on
# standard error.
execute_process(COMMAND ${TOOL} ${ARGS}
  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE result)
if(result EQUAL 0)
  message(FATAL_ERROR "expected a failure, got exit code 0")
endif()
string(FIND "${errors}" "${MESSAGE}" found)
if(found EQUAL -1)
  message(FATAL_ERROR "standard error lacks '${MESSAGE}': ${errors}")
endif()
