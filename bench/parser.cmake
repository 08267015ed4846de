tamzora_benchmark(parser SOURCES ${CMAKE_CURRENT_LIST_DIR}/parser.cpp LIBS TamzoraWEB)
