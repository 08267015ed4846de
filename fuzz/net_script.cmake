tamzora_fuzz_target(net_script SOURCES ${CMAKE_CURRENT_LIST_DIR}/net_script.cpp LIBS TamzoraWEB)
