tamzora_fuzz_target(psd_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/psd_file.cpp LIBS TamzoraWEB)
