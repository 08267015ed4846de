tamzora_fuzz_target(compression_lzo SOURCES ${CMAKE_CURRENT_LIST_DIR}/compression_lzo.cpp LIBS TamzoraWEB)
