# CHashtable and CXString against the standard library on script-like names.
tamzora_benchmark(foundation SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/foundation.cpp LIBS TamzoraWEB)
