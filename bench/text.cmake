# A paragraph drawn through fonts beside pixman compositing the same glyphs.
find_package(PkgConfig REQUIRED)
pkg_check_modules(BENCH_TEXT_PIXMAN REQUIRED IMPORTED_TARGET pixman-1)
tamzora_benchmark(text SOURCES ${CMAKE_CURRENT_LIST_DIR}/text.cpp LIBS TamzoraWEB PkgConfig::BENCH_TEXT_PIXMAN)
