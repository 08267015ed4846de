# Frame cutting against memcpy, and a file transfer between the managers against a raw socket copy.
tamzora_benchmark(network SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/network.cpp LIBS TamzoraWEB)
