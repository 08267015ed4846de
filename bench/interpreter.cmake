# Lua 5.4 is the peer the interpreter is measured against; only this program links it.
find_package(PkgConfig REQUIRED)
pkg_check_modules(LUA54 REQUIRED IMPORTED_TARGET lua5.4)
tamzora_benchmark(interpreter SOURCES ${CMAKE_CURRENT_LIST_DIR}/interpreter.cpp LIBS TamzoraWEB PkgConfig::LUA54)
