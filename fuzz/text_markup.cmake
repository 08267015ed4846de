tamzora_fuzz_target(text_markup SOURCES ${CMAKE_CURRENT_LIST_DIR}/text_markup.cpp LIBS TamzoraWEB)
target_include_directories(fuzz_text_markup PRIVATE ${LZO2_INCLUDE_DIR})
