tamzora_fuzz_target(bigfile_toc SOURCES ${CMAKE_CURRENT_LIST_DIR}/bigfile_toc.cpp LIBS TamzoraWEB)
