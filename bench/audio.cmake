# Our mixer beside SDL2's own resampling and mixing; only this program links SDL directly.
find_package(PkgConfig REQUIRED)
pkg_check_modules(BENCH_SDL2 REQUIRED IMPORTED_TARGET sdl2)
tamzora_benchmark(audio SOURCES ${CMAKE_CURRENT_LIST_DIR}/audio.cpp LIBS platform PkgConfig::BENCH_SDL2)
