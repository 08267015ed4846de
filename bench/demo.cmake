# The demo game played headless through the player as its test plays it: peak memory and the
# time of an idle turn.
tamzora_benchmark(demo SOURCES ${CMAKE_CURRENT_LIST_DIR}/demo.cpp LIBS TamzoraPlayer TamzoraWEB)
target_compile_definitions(bench_demo PRIVATE TAMZORA_DEMO_FOLDER="${CMAKE_SOURCE_DIR}/games/demo")
add_dependencies(bench_demo demo_game)
