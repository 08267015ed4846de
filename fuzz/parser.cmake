tamzora_fuzz_target(parser SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/parser.cpp LIBS TamzoraWEB)
