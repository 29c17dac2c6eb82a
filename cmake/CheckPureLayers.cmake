# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a layer includes what it must not. Run as
#   cmake -DSOURCE_DIR=<project> -P CheckPureLayers.cmake
# - The pure layers (the protocol, the rules, the host, the settings value, the lobby's core and
#   the client's table model with its marker rules) include no Qt header.
# - The rules include nothing of the host, the network adapters, the table or the application.
# - The client (table, chat, windows, app) includes nothing of the host: what it shares with
#   the host lives in the rules and the protocol.
# - The shared pictures include none of the folders that draw with them.
file(GLOB_RECURSE pure
  "${SOURCE_DIR}/src/protocol/*.h" "${SOURCE_DIR}/src/protocol/*.cpp"
  "${SOURCE_DIR}/src/rules/*.h" "${SOURCE_DIR}/src/rules/*.cpp"
  "${SOURCE_DIR}/src/host/*.h" "${SOURCE_DIR}/src/host/*.cpp"
  "${SOURCE_DIR}/src/settings/*.h" "${SOURCE_DIR}/src/settings/*.cpp")
list(APPEND pure "${SOURCE_DIR}/src/net/lan_record.h" "${SOURCE_DIR}/src/net/lan_record.cpp")
foreach(name lobby_protocol.h lobby_protocol.cpp lobby_core.h lobby_core.cpp lobby_port.h game_directory.h game_directory.cpp)
  list(APPEND pure "${SOURCE_DIR}/src/lobby/${name}")
endforeach()
foreach(name table_model.h table_model.cpp table_turns.cpp table_model_drawing.cpp table_model_detail.h table_input.cpp table_keys.cpp table_access.h table_access.cpp client_identity.h marker_rules.h marker_rules.cpp
             numbered.h table_actions.h)
  list(APPEND pure "${SOURCE_DIR}/src/table/${name}")
endforeach()

set(offenders "")
# check(<files> <include pattern> <what it means>)
function(check files pattern meaning)
  foreach(path IN LISTS files)
    if(NOT EXISTS "${path}")
      message(FATAL_ERROR "checked file missing: ${path}")
    endif()
    file(STRINGS "${path}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](${pattern})")
    if(includes)
      list(APPEND offenders "${path} (${meaning}): ${includes}")
    endif()
  endforeach()
  set(offenders "${offenders}" PARENT_SCOPE)
endfunction()

check("${pure}" "Q[A-Za-z]|qt" "Qt header in a pure layer")

file(GLOB_RECURSE rules "${SOURCE_DIR}/src/rules/*.h" "${SOURCE_DIR}/src/rules/*.cpp")
check("${rules}" "(host|net|table|app)/" "the rules reach into another layer")

file(GLOB_RECURSE client
  "${SOURCE_DIR}/src/table/*.h" "${SOURCE_DIR}/src/table/*.cpp"
  "${SOURCE_DIR}/src/chat/*.h" "${SOURCE_DIR}/src/chat/*.cpp"
  "${SOURCE_DIR}/src/windows/*.h" "${SOURCE_DIR}/src/windows/*.cpp"
  "${SOURCE_DIR}/src/app/*.h" "${SOURCE_DIR}/src/app/*.cpp")
check("${client}" "host/" "the client includes the host")

file(GLOB_RECURSE art "${SOURCE_DIR}/src/art/*.h" "${SOURCE_DIR}/src/art/*.cpp")
check("${art}" "(table|chat|windows|app)/" "the pictures include a folder that uses them")

if(offenders)
  list(JOIN offenders "\n" text)
  message(FATAL_ERROR "Layers include what they must not:\n${text}")
endif()
list(LENGTH pure pureCount)
list(LENGTH rules rulesCount)
list(LENGTH client clientCount)
list(LENGTH art artCount)
message(STATUS "${pureCount} pure files include no Qt header; ${rulesCount} rules, ${clientCount} client and ${artCount} picture files keep to their layers")
