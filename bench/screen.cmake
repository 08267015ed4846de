# The screen's whole frame against the frame after one sprite moved.
tamzora_benchmark(screen SOURCES ${CMAKE_CURRENT_LIST_DIR}/screen.cpp LIBS TamzoraWEB)
