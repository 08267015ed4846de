# A virtual graphics object drawn through an alpha mask and a tile pattern's grid, each beside
# pixman doing the same work on r5g6b5 pictures.
find_package(PkgConfig REQUIRED)
pkg_check_modules(BENCH_PATTERN_PIXMAN REQUIRED IMPORTED_TARGET pixman-1)
tamzora_benchmark(pattern SOURCES ${CMAKE_CURRENT_LIST_DIR}/pattern.cpp LIBS TamzoraWEB PkgConfig::BENCH_PATTERN_PIXMAN)
