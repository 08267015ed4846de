# An HTTP download by CInternet beside the curl tool, from the same loopback server.
tamzora_benchmark(download SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/download.cpp LIBS TamzoraWEB)
