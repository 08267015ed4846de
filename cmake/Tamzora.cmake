# Helpers shared by the folders' CMake files.

# Sources of one folder of the tree, picked up as files are added.
function(tamzora_folder_sources out dir)
  file(GLOB _found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
  set(${out} ${_found} PARENT_SCOPE)
endfunction()

# One GoogleTest program per test folder; every test runs in its own process under ctest.
function(tamzora_test_program name)
  cmake_parse_arguments(T "" "" "LIBS" ${ARGN})
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name} ${_sources})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "SDL_VIDEODRIVER=dummy;SDL_AUDIODRIVER=dummy")
endfunction()

# A fuzz target: libFuzzer when asked for, otherwise a plain driver that replays the seed corpus
# under the sanitizers as one ctest test.
function(tamzora_fuzz_target name)
  cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
  set(_target fuzz_${name})
  if(TAMZORA_LIBFUZZER)
    add_executable(${_target} ${F_SOURCES})
    target_compile_options(${_target} PRIVATE -fsanitize=fuzzer)
    target_link_options(${_target} PRIVATE -fsanitize=fuzzer)
  else()
    add_executable(${_target} ${F_SOURCES} ${CMAKE_SOURCE_DIR}/fuzz/ReplayMain.cpp)
  endif()
  target_link_libraries(${_target} PRIVATE ${F_LIBS})
  target_include_directories(${_target} PRIVATE ${CMAKE_SOURCE_DIR})
  set(_corpus ${CMAKE_SOURCE_DIR}/fuzz/corpus/${name})
  if(NOT TAMZORA_LIBFUZZER)
    add_test(NAME fuzz_replay_${name} COMMAND ${_target} ${_corpus})
  endif()
endfunction()

# A Google Benchmark program.
function(tamzora_benchmark name)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(bench_${name} ${B_SOURCES})
  target_link_libraries(bench_${name} PRIVATE ${B_LIBS} benchmark::benchmark)
  target_include_directories(bench_${name} PRIVATE ${CMAKE_SOURCE_DIR})
endfunction()
