tamzora_benchmark(interpreter SOURCES ${CMAKE_CURRENT_LIST_DIR}/interpreter.cpp LIBS TamzoraWEB)
