# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzz targets. A target is one source defining LLVMFuzzerTestOneInput, with
# its seed corpus in tests/fuzz/corpus/NAME/:
#
#   talvoren_fuzz_target(NAME SOURCES file.cpp... LIBS library...)
#
# Ordinary builds link it with a small main that replays the corpus and
# register that replay as the test fuzz_corpus.NAME. With TALVOREN_FUZZ (a
# Clang build) it is a libFuzzer executable build/fuzz/NAME instead, built by
# the target talvoren_fuzz_targets; scripts/fuzz.sh runs every one it finds.

set(TALVOREN_FUZZ_CORPUS_DIR ${CMAKE_CURRENT_LIST_DIR}/../tests/fuzz/corpus)
set(TALVOREN_FUZZ_REPLAY_MAIN ${CMAKE_CURRENT_LIST_DIR}/../tests/fuzz/replay_main.cpp)

if(TALVOREN_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL Clang)
    message(FATAL_ERROR "TALVOREN_FUZZ needs Clang (libFuzzer): configure with CXX=clang++")
  endif()
  # Everything is instrumented for coverage; only the fuzz targets bring libFuzzer's main.
  add_compile_options(-fsanitize=fuzzer-no-link)
  add_custom_target(talvoren_fuzz_targets)
endif()

function(talvoren_fuzz_target name)
  cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
  set(target talvoren_fuzz_${name})
  add_executable(${target} ${F_SOURCES})
  target_link_libraries(${target} PRIVATE ${F_LIBS})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
  set(corpus ${TALVOREN_FUZZ_CORPUS_DIR}/${name})
  if(TALVOREN_FUZZ)
    target_link_options(${target} PRIVATE -fsanitize=fuzzer)
    set_target_properties(${target} PROPERTIES OUTPUT_NAME ${name}
      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
    add_dependencies(talvoren_fuzz_targets ${target})
  else()
    target_sources(${target} PRIVATE ${TALVOREN_FUZZ_REPLAY_MAIN})
    add_test(NAME fuzz_corpus.${name} COMMAND ${target} ${corpus})
    set_tests_properties(fuzz_corpus.${name} PROPERTIES TIMEOUT 120)
  endif()
endfunction()
