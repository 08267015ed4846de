find_package(box2d REQUIRED)
tamzora_benchmark(korrun SOURCES ${CMAKE_CURRENT_LIST_DIR}/korrun.cpp LIBS Korrun box2d::box2d)
