tamzora_fuzz_target(image_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/image_file.cpp LIBS TamzoraWEB)
