# SPDX-License-Identifier: GPL-3.0-or-later
# quadrino_fuzz_target(NAME HARNESS a.cpp [COVERED src...] [LIBS lib...] [QT Qt6::Core...]
#                      [RUNS n] [AUTOMOC])
#
# One harness, two builds of it:
#   - NAME_replay, in every build with tests: the harness linked with the product's libraries
#     and a main that runs each stored input once. The test NAME_regressions replays the seed
#     corpus and every crash input kept in crashes/, so a fault once found stays fixed under
#     gcc too (and under the sanitizers of a QUADRINO_SANITIZE build).
#   - NAME, with QUADRINO_FUZZ and clang: the libFuzzer target, the COVERED sources compiled in
#     so that libFuzzer sees their coverage. NAME_smoke runs it briefly from the seeds, and
#     NAME_crashes replays the crash inputs through it.
# Crash inputs live in the harness's crashes/ folder, named for what they caught.
function(quadrino_fuzz_target name)
  cmake_parse_arguments(ARG "AUTOMOC" "RUNS" "HARNESS;COVERED;LIBS;QT" ${ARGN})
  set(corpus ${CMAKE_CURRENT_SOURCE_DIR}/corpus)
  set(crashes ${CMAKE_CURRENT_SOURCE_DIR}/crashes)
  file(GLOB crash_files CONFIGURE_DEPENDS ${crashes}/*)

  add_executable(${name}_replay ${ARG_HARNESS} ${PROJECT_SOURCE_DIR}/tests/fuzz_replay.cpp)
  target_include_directories(${name}_replay PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name}_replay PRIVATE ${ARG_LIBS} ${ARG_QT})
  set_target_properties(${name}_replay PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  if(ARG_AUTOMOC)
    set_target_properties(${name}_replay PROPERTIES AUTOMOC ON)
  endif()
  set(replayed ${corpus})
  if(crash_files)
    list(APPEND replayed ${crashes})
  endif()
  add_test(NAME ${name}_regressions COMMAND ${name}_replay ${replayed})
  # Started on its own, without arguments, the replay takes the same inputs.
  list(JOIN replayed "|" replayed_text)
  target_compile_definitions(${name}_replay PRIVATE QUADRINO_REPLAY_INPUTS="${replayed_text}")
  set_tests_properties(${name}_regressions PROPERTIES TIMEOUT 120 LABELS fuzz-replay)

  if(NOT QUADRINO_FUZZ)
    return()
  endif()
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(WARNING "QUADRINO_FUZZ needs clang++ (-DCMAKE_CXX_COMPILER=clang++): ${name} is not built")
    return()
  endif()
  add_executable(${name} ${ARG_HARNESS} ${ARG_COVERED})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_QT})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  if(ARG_AUTOMOC)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
  endif()

  # A short fixed-seed run from the seeds; new inputs and any crash stay in the build folder.
  if(NOT ARG_RUNS)
    set(ARG_RUNS 20000)
  endif()
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz/${name}-corpus)
  add_test(NAME ${name}_smoke
           COMMAND ${name} -seed=1 -runs=${ARG_RUNS} -max_total_time=60 -artifact_prefix=${CMAKE_BINARY_DIR}/fuzz/
                   ${CMAKE_BINARY_DIR}/fuzz/${name}-corpus ${corpus})
  set_tests_properties(${name}_smoke PROPERTIES TIMEOUT 300)
  # Given files, libFuzzer runs each once and stops at the first that fails.
  if(crash_files)
    add_test(NAME ${name}_crashes COMMAND ${name} ${crash_files})
    set_tests_properties(${name}_crashes PROPERTIES TIMEOUT 120 LABELS fuzz-crashes)
  endif()
endfunction()
