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

# Code of a plug-in library: everything hidden but what its module marks for export, and no
# unique symbols, which would keep the library loaded past its unload. Built against the engine.
function(tamzora_plugin_build target)
  set_target_properties(${target} PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  target_compile_options(${target} PRIVATE -fno-gnu-unique)
  target_link_libraries(${target} PUBLIC TamzoraWEB)
endfunction()

# A plug-in library "<name>.so" beside the player, with the pieces every plug-in shares. Its
# dynamic symbols are the three functions the engine looks up and its module class with the
# classes that class derives from: the standard library's templates would show otherwise.
#   tamzora_plugin(TobrelEx MODULE CTobrelEx SOURCES ...)
function(tamzora_plugin name)
  cmake_parse_arguments(P "" "MODULE" "SOURCES" ${ARGN})
  add_library(${name} MODULE ${P_SOURCES})
  set_target_properties(${name} PROPERTIES PREFIX "")
  tamzora_plugin_build(${name})
  # Whole: its exported functions are called by the engine alone.
  target_link_libraries(${name} PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,TamzoraPluginModule>")
  set(_classes "")
  foreach(class ${P_MODULE} CPluginModule CMC_ExternObject)
    string(APPEND _classes "      ${class}::*;\n      \"vtable for ${class}\";\n      \"typeinfo for ${class}\";\n"
           "      \"typeinfo name for ${class}\";\n")
  endforeach()
  set(_map ${CMAKE_CURRENT_BINARY_DIR}/${name}.map)
  file(WRITE ${_map} "{\n  global:\n    extern \"C++\" {\n      \"create(CMC_ObjectsContainer*)\";\n      \"release()\";\n"
       "      \"getModuleInterface()\";\n${_classes}    };\n  local: *;\n};\n")
  target_link_options(${name} PRIVATE -Wl,--version-script=${_map})
  set_target_properties(${name} PROPERTIES LINK_DEPENDS ${_map})
endfunction()
