tamzora_fuzz_target(net_frames SOURCES ${CMAKE_CURRENT_LIST_DIR}/net_frames.cpp LIBS TamzoraWEB)
