tamzora_fuzz_target(script_values SOURCES ${CMAKE_CURRENT_LIST_DIR}/script_values.cpp LIBS TamzoraWEB)
