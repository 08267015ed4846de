tamzora_fuzz_target(file_transfer SOURCES ${CMAKE_CURRENT_LIST_DIR}/file_transfer.cpp LIBS TamzoraWEB)
