tamzora_fuzz_target(media_record SOURCES ${CMAKE_CURRENT_LIST_DIR}/media_record.cpp LIBS TamzoraWEB)
