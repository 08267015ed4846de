tamzora_fuzz_target(wave_reader SOURCES ${CMAKE_CURRENT_LIST_DIR}/wave_reader.cpp LIBS TamzoraWEB)
