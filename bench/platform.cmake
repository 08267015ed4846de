tamzora_benchmark(platform SOURCES ${CMAKE_CURRENT_LIST_DIR}/platform.cpp LIBS platform)
