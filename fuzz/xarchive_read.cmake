tamzora_fuzz_target(xarchive_read SOURCES ${CMAKE_CURRENT_LIST_DIR}/xarchive_read.cpp LIBS TamzoraWEB)
