tamzora_fuzz_target(platform_text SOURCES ${CMAKE_CURRENT_LIST_DIR}/platform_text.cpp LIBS platform)
