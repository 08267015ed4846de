tamzora_fuzz_target(jpeg SOURCES ${CMAKE_CURRENT_LIST_DIR}/jpeg.cpp LIBS TamzoraWEB)
