tamzora_benchmark(compression SOURCES ${CMAKE_CURRENT_LIST_DIR}/compression.cpp LIBS TamzoraWEB ${LZO2_LIBRARY})
target_include_directories(bench_compression PRIVATE ${LZO2_INCLUDE_DIR})
