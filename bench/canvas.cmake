# A canvas's redraw with 50 alpha children beside pixman compositing the same sprites into an
# r5g6b5 picture, and clearing and copying the area as the floor.
find_package(PkgConfig REQUIRED)
pkg_check_modules(BENCH_CANVAS_PIXMAN REQUIRED IMPORTED_TARGET pixman-1)
tamzora_benchmark(canvas SOURCES ${CMAKE_CURRENT_LIST_DIR}/canvas.cpp LIBS TamzoraWEB PkgConfig::BENCH_CANVAS_PIXMAN)
