tamzora_fuzz_target(animation_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/animation_file.cpp LIBS TamzoraWEB)
