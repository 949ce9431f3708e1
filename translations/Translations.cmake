# The translations of the program's texts: translations/vireldo_<code>.ts,
# brought up to date with the sources by lupdate and compiled by lrelease
# into the program's resources. A text without a translation, or a
# translation of a text that is gone, fails the build.
find_program(VIRELDO_LUPDATE lupdate HINTS /usr/lib/qt6/bin REQUIRED)
find_program(VIRELDO_LRELEASE lrelease HINTS /usr/lib/qt6/bin REQUIRED)
set(VIRELDO_LANGUAGES de fr es it nl)

file(GLOB_RECURSE VIRELDO_TRANSLATED_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/*.cpp ${CMAKE_SOURCE_DIR}/src/*.h)
set(VIRELDO_QM_FILES "")
set(qrc "<RCC><qresource prefix=\"/translations\">\n")
foreach(language ${VIRELDO_LANGUAGES})
  set(ts ${CMAKE_SOURCE_DIR}/translations/vireldo_${language}.ts)
  set(qm ${CMAKE_CURRENT_BINARY_DIR}/vireldo_${language}.qm)
  add_custom_command(OUTPUT ${qm}
    COMMAND ${CMAKE_COMMAND} -DLUPDATE=${VIRELDO_LUPDATE} -DLRELEASE=${VIRELDO_LRELEASE}
      -DSOURCE=${CMAKE_SOURCE_DIR}/src -DTS=${ts} -DQM=${qm}
      -P ${CMAKE_SOURCE_DIR}/translations/ReleaseChecked.cmake
    DEPENDS ${ts} ${VIRELDO_TRANSLATED_SOURCES} ${CMAKE_SOURCE_DIR}/translations/ReleaseChecked.cmake
    COMMENT "Translation ${language}: checking and compiling"
    VERBATIM)
  list(APPEND VIRELDO_QM_FILES ${qm})
  string(APPEND qrc "<file alias=\"vireldo_${language}.qm\">${qm}</file>\n")
endforeach()
string(APPEND qrc "</qresource></RCC>\n")
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/translations.qrc CONTENT "${qrc}")
