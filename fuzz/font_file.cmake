tamzora_fuzz_target(font_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/font_file.cpp LIBS TamzoraWEB)
