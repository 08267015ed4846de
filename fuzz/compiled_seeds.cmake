# The generator of the compiled-file targets' seed corpora (files the engine host writes with
# "-2bin"), and a test that the committed corpora are still its output.
add_executable(compiled_seeds ${CMAKE_CURRENT_LIST_DIR}/compiled_seeds.cpp)
target_link_libraries(compiled_seeds PRIVATE TamzoraWEB)
target_include_directories(compiled_seeds PRIVATE ${CMAKE_SOURCE_DIR})
add_test(NAME compiled_seeds_current
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/check_seeds.sh $<TARGET_FILE:compiled_seeds> ${CMAKE_CURRENT_LIST_DIR}/corpus
    compiled_application compiled_scene)
