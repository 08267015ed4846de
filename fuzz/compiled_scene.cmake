tamzora_fuzz_target(compiled_scene SOURCES ${CMAKE_CURRENT_LIST_DIR}/compiled_scene.cpp LIBS TamzoraWEB)
