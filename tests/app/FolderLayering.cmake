cmake_minimum_required(VERSION 3.25)
# The window's folders depend on each other one way: app <- edit <- editors
# <- ui, with the program's entry on top. A file that includes from a folder
# above its own fails this check.
#   cmake -DSOURCE=<src folder> -P FolderLayering.cmake
set(above_app edit editors ui)
set(above_edit editors ui)
set(above_editors ui)
# The program's entry builds the window: it sits above every folder.
set(entry_points app/ProgramEntry.cpp app/main.cpp)

set(failures "")
foreach(folder app edit editors)
  file(GLOB files RELATIVE ${SOURCE} ${SOURCE}/${folder}/*.h ${SOURCE}/${folder}/*.cpp)
  foreach(file ${files})
    if(file IN_LIST entry_points)
      continue()
    endif()
    file(STRINGS ${SOURCE}/${file} includes REGEX "^#include \"[a-z]+/")
    foreach(line ${includes})
      string(REGEX REPLACE "^#include \"([a-z]+)/.*" "\\1" target "${line}")
      if(target IN_LIST above_${folder})
        string(APPEND failures "${file}: ${line}\n")
      endif()
    endforeach()
  endforeach()
endforeach()
if(failures)
  message(FATAL_ERROR "Includes against the folders' order:\n${failures}")
endif()
