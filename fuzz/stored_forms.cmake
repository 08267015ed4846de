tamzora_fuzz_target(stored_forms SOURCES ${CMAKE_CURRENT_LIST_DIR}/stored_forms.cpp LIBS TamzoraWEB)
