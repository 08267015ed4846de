tamzora_fuzz_target(registry_text SOURCES ${CMAKE_CURRENT_LIST_DIR}/registry_text.cpp LIBS TamzoraWEB)
