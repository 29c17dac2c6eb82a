# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a file of a pure layer includes a Qt header. Run as
#   cmake -DSOURCE_DIR=<project> -P CheckPureLayers.cmake
# The pure layers: the protocol, the host, the settings value and the client's table model
# with its marker rules.
file(GLOB_RECURSE pure
  "${SOURCE_DIR}/src/protocol/*.h" "${SOURCE_DIR}/src/protocol/*.cpp"
  "${SOURCE_DIR}/src/host/*.h" "${SOURCE_DIR}/src/host/*.cpp"
  "${SOURCE_DIR}/src/settings/*.h" "${SOURCE_DIR}/src/settings/*.cpp")
foreach(name table_model.h table_model.cpp table_turns.cpp table_model_drawing.cpp table_model_detail.h table_input.cpp table_keys.cpp table_access.h table_access.cpp client_identity.h marker_rules.h marker_rules.cpp
             numbered.h table_actions.h)
  list(APPEND pure "${SOURCE_DIR}/src/table/${name}")
endforeach()

set(offenders "")
foreach(path IN LISTS pure)
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "pure layer file missing: ${path}")
  endif()
  file(STRINGS "${path}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt)")
  if(includes)
    list(APPEND offenders "${path}: ${includes}")
  endif()
endforeach()
if(offenders)
  list(JOIN offenders "\n" text)
  message(FATAL_ERROR "Qt headers in pure layers:\n${text}")
endif()
list(LENGTH pure count)
message(STATUS "${count} files of the pure layers include no Qt header")
