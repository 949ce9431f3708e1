# Runs TOOL with ARGS; passes when it exits with CODE, its standard output
# holds TEXT and its standard error ERROR_TEXT (each when given).
execute_process(COMMAND ${TOOL} ${ARGS}
  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE result)
if(NOT result EQUAL CODE)
  message(FATAL_ERROR "expected exit code ${CODE}, got ${result}: ${output}${errors}")
endif()
if(DEFINED TEXT)
  string(FIND "${output}" "${TEXT}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "standard output lacks '${TEXT}': ${output}")
  endif()
endif()
if(DEFINED ERROR_TEXT)
  string(FIND "${errors}" "${ERROR_TEXT}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "standard error lacks '${ERROR_TEXT}': ${errors}")
  endif()
endif()
