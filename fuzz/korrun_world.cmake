tamzora_fuzz_target(korrun_world SOURCES ${CMAKE_CURRENT_LIST_DIR}/korrun_world.cpp LIBS Korrun)
