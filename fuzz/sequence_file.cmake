tamzora_fuzz_target(sequence_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/sequence_file.cpp LIBS TamzoraWEB)
