tamzora_fuzz_target(compression_rle2 SOURCES ${CMAKE_CURRENT_LIST_DIR}/compression_rle2.cpp LIBS TamzoraWEB)
