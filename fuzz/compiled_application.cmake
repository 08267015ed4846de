tamzora_fuzz_target(compiled_application SOURCES ${CMAKE_CURRENT_LIST_DIR}/compiled_application.cpp LIBS TamzoraWEB)
