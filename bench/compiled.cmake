# Entering a 2,000-object scene from its compiled object file beside entering it from its script.
tamzora_benchmark(compiled SOURCES ${CMAKE_CURRENT_LIST_DIR}/compiled.cpp LIBS TamzoraWEB)
