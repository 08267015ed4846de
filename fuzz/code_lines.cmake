tamzora_fuzz_target(code_lines SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/code_lines.cpp LIBS TamzoraWEB)
