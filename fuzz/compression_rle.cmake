tamzora_fuzz_target(compression_rle SOURCES ${CMAKE_CURRENT_LIST_DIR}/compression_rle.cpp LIBS TamzoraWEB)
