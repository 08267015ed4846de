# Loading pictures beside the libraries that decode them.
tamzora_benchmark(pictures SOURCES ${CMAKE_CURRENT_LIST_DIR}/pictures.cpp LIBS TamzoraWEB JPEG::JPEG ${LZO2_LIBRARY})
target_include_directories(bench_pictures PRIVATE ${LZO2_INCLUDE_DIR})
