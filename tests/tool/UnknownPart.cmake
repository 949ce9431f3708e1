# A design naming a code the brand lacks: the tool says so on standard error,
# exits 0 and writes the design without that part.
execute_process(COMMAND ${TOOL} design ${FIXTURE} --dir ${DIR}
  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "exit code ${result}")
endif()
if(NOT errors MATCHES "Part number 'GONE' is unknown! SKIPPED!")
  message(FATAL_ERROR "no message: ${errors}")
endif()
if(output MATCHES "GONE" OR NOT output MATCHES "Number of parts[\r\n]+7[\r\n]")
  message(FATAL_ERROR "the unknown part was not dropped")
endif()
