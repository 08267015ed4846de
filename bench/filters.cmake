# The filter effects: BLUR 3 on an 800 × 600 16-bit picture beside pixman's 3 × 3 convolution of
# the same r5g6b5 picture, and a WATER step on 640 × 480 beside a plain copy of the plane.
find_package(PkgConfig REQUIRED)
pkg_check_modules(BENCH_FILTERS_PIXMAN REQUIRED IMPORTED_TARGET pixman-1)
tamzora_benchmark(filters SOURCES ${CMAKE_CURRENT_LIST_DIR}/filters.cpp LIBS TamzoraWEB PkgConfig::BENCH_FILTERS_PIXMAN)
