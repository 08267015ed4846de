tamzora_fuzz_target(compression_lzw SOURCES ${CMAKE_CURRENT_LIST_DIR}/compression_lzw.cpp LIBS TamzoraWEB)
