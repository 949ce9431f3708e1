# cmake -DLUPDATE= -DLRELEASE= -DSOURCE=<src> -DTS=<file.ts> -DQM=<file.qm> -P ReleaseChecked.cmake
# Brings a copy of the translation up to date with the sources, fails when a
# text is unfinished or vanished, and compiles the copy.
cmake_minimum_required(VERSION 3.25)
set(copy ${QM}.ts)
configure_file(${TS} ${copy} COPYONLY)
execute_process(
  COMMAND ${LUPDATE} -silent -locations none -tr-function-alias tr+=Mark ${SOURCE} -ts ${copy}
  RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed on ${TS}")
endif()
file(READ ${copy} content)
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"(unfinished|vanished|obsolete)\""
  open "${content}")
list(LENGTH open count)
if(count GREATER 0)
  string(REGEX REPLACE "[ \n]*<translation type=\"([a-z]+)\"" " (\\1)" open "${open}")
  string(REPLACE ";" "\n  " open "${open}")
  message(FATAL_ERROR "${TS}: ${count} texts are not translated or no longer used "
    "(scripts/update-translations, then translate them):\n  ${open}")
endif()
execute_process(COMMAND ${LRELEASE} -silent ${copy} -qm ${QM} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lrelease failed on ${TS}")
endif()
