tamzora_fuzz_target(scene SOURCES ${CMAKE_CURRENT_LIST_DIR}/scene.cpp LIBS TamzoraWEB)
