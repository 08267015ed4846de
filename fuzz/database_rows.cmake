tamzora_fuzz_target(database_rows SOURCES ${CMAKE_CURRENT_LIST_DIR}/database_rows.cpp LIBS TamzoraWEB)
