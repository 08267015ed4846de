tamzora_fuzz_target(selfextract SOURCES ${CMAKE_CURRENT_LIST_DIR}/selfextract.cpp LIBS TamzoraWEB)
