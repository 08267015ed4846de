tamzora_fuzz_target(icon_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/icon_file.cpp LIBS TamzoraWEB)
