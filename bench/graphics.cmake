# The drawing loops against pixman and SDL2's software blitter drawing the same frame.
find_package(PkgConfig REQUIRED)
pkg_check_modules(BENCH_PIXMAN REQUIRED IMPORTED_TARGET pixman-1)
pkg_check_modules(BENCH_SDL2 REQUIRED IMPORTED_TARGET sdl2)
tamzora_benchmark(graphics SOURCES ${CMAKE_CURRENT_LIST_DIR}/graphics.cpp
                  LIBS TamzoraWEB PkgConfig::BENCH_PIXMAN PkgConfig::BENCH_SDL2)
