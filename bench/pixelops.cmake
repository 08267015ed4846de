# Pixel operations on an 800 × 600 16-bit picture: scaling beside pixman's nearest-filter scaling,
# the grey and displacement filters beside a plain copy of the plane.
find_package(PkgConfig REQUIRED)
pkg_check_modules(BENCH_PIXMAN REQUIRED IMPORTED_TARGET pixman-1)
tamzora_benchmark(pixelops SOURCES ${CMAKE_CURRENT_LIST_DIR}/pixelops.cpp LIBS TamzoraWEB PkgConfig::BENCH_PIXMAN)
