tamzora_fuzz_target(command_line SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/command_line.cpp LIBS TamzoraWEB)
