tamzora_fuzz_target(multiarray_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/multiarray_file.cpp LIBS TamzoraWEB)
