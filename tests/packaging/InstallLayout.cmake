# Installs the build into a fresh prefix and checks where every file lands;
# the desktop entry and the AppStream file must pass their validators.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(file
    bin/vireldo bin/vireldo-tool
    share/vireldo/Vireldo30.df3 share/vireldo/Manual/index.html
    share/vireldo/Manual/tutorial/index.html
    share/applications/vireldo.desktop
    share/metainfo/org.example.Vireldo.metainfo.xml
    share/mime/packages/vireldo.xml
    share/icons/hicolor/scalable/apps/vireldo.svg
    share/icons/hicolor/16x16/apps/vireldo.png share/icons/hicolor/48x48/apps/vireldo.png
    share/icons/hicolor/256x256/apps/vireldo.png
    share/icons/hicolor/scalable/mimetypes/application-x-vireldo-design.svg)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
if(EXISTS ${PREFIX}/bin/Vireldo30.df3)
  message(FATAL_ERROR "the definitions must not lie beside the installed program")
endif()
file(READ ${PREFIX}/share/mime/packages/vireldo.xml mime)
foreach(glob tr3 rm3 df3 tr2 def)
  string(FIND "${mime}" "*.${glob}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "no file type for .${glob}")
  endif()
endforeach()
find_program(DESKTOP_VALIDATE desktop-file-validate REQUIRED)
find_program(APPSTREAM appstreamcli REQUIRED)
execute_process(COMMAND ${DESKTOP_VALIDATE} ${PREFIX}/share/applications/vireldo.desktop
  RESULT_VARIABLE desktop)
execute_process(COMMAND ${APPSTREAM} validate --no-net
  ${PREFIX}/share/metainfo/org.example.Vireldo.metainfo.xml RESULT_VARIABLE appstream)
if(NOT desktop EQUAL 0 OR NOT appstream EQUAL 0)
  message(FATAL_ERROR "validation failed: desktop ${desktop}, appstream ${appstream}")
endif()
