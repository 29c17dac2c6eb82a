# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a file of the shared pictures includes one of the folders that use them: the
# table, chat, windows and app draw with art, never the other way round. Run as
#   cmake -DSOURCE_DIR=<project> -P CheckArtIncludes.cmake
file(GLOB_RECURSE files "${SOURCE_DIR}/src/art/*.h" "${SOURCE_DIR}/src/art/*.cpp")
if(NOT files)
  message(FATAL_ERROR "no files under ${SOURCE_DIR}/src/art")
endif()
set(offenders "")
foreach(path IN LISTS files)
  file(STRINGS "${path}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"(table|chat|windows|app)/")
  if(includes)
    list(APPEND offenders "${path}: ${includes}")
  endif()
endforeach()
if(offenders)
  list(JOIN offenders "\n" text)
  message(FATAL_ERROR "the pictures include a folder that uses them:\n${text}")
endif()
list(LENGTH files count)
message(STATUS "${count} files of the pictures include none of their users")
