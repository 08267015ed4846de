# Korrun beside plain Box2D; and MOVEOBJECTS through the World plug-in in a headless game, whose
# pictures come from the graphics tests' file builders (they pack with liblzo2 and libjpeg).
find_package(box2d REQUIRED)
tamzora_benchmark(korrun SOURCES ${CMAKE_CURRENT_LIST_DIR}/korrun.cpp LIBS Korrun box2d::box2d TamzoraWEB JPEG::JPEG ${LZO2_LIBRARY})
target_include_directories(bench_korrun PRIVATE ${LZO2_INCLUDE_DIR})
add_dependencies(bench_korrun World)
target_compile_definitions(bench_korrun PRIVATE WORLD_LIBRARY="$<TARGET_FILE:World>")
