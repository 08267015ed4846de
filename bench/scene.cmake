# Idle turns of a headless scene through the engine host, against the per-turn budget. Its
# pictures come from the graphics tests' file builders, which pack with liblzo2 and libjpeg.
tamzora_benchmark(scene SOURCES ${CMAKE_CURRENT_LIST_DIR}/scene.cpp LIBS TamzoraWEB JPEG::JPEG ${LZO2_LIBRARY})
target_include_directories(bench_scene PRIVATE ${LZO2_INCLUDE_DIR})
