tamzora_fuzz_target(array_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/array_file.cpp LIBS TamzoraWEB)
