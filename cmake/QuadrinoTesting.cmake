# SPDX-License-Identifier: GPL-3.0-or-later
# quadrino_add_test(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2 [GUI])
# Builds a Qt Test executable and registers it with CTest. GUI tests run on
# the offscreen platform so they need no display; every test gets a temporary home
# (tests/test_environment.cpp).
function(quadrino_add_test name)
  cmake_parse_arguments(ARG "GUI" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT TARGET quadrino_test_environment)
    # What CTest sets is also each program's own default, so it runs on its own as well.
    add_library(quadrino_test_environment OBJECT ${PROJECT_SOURCE_DIR}/tests/test_environment.cpp)
    target_compile_definitions(quadrino_test_environment PRIVATE QUADRINO_TEST_BIN_DIR="${CMAKE_BINARY_DIR}/bin"
                                                                 QUADRINO_TEST_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    target_link_libraries(quadrino_test_environment PRIVATE Qt6::Core)
  endif()
  add_executable(${name} ${ARG_SOURCES} $<TARGET_OBJECTS:quadrino_test_environment>)
  set_target_properties(${name} PROPERTIES AUTOMOC ON RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  set(env "QT_QPA_PLATFORM=offscreen;QUADRINO_BIN_DIR=${CMAKE_BINARY_DIR}/bin;QUADRINO_SOURCE_DIR=${PROJECT_SOURCE_DIR};QUADRINO_STAY_LOCAL=1")
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT ${ARG_TIMEOUT})
endfunction()
