# Idle turns of a headless scene through the engine host, against the per-turn budget.
tamzora_benchmark(scene SOURCES ${CMAKE_CURRENT_LIST_DIR}/scene.cpp LIBS TamzoraWEB)
