# Videos are read only by the FFmpeg backend, built with the option.
if(TAMZORA_FFMPEG)
  tamzora_fuzz_target(video_open SOURCES ${CMAKE_CURRENT_LIST_DIR}/video_open.cpp LIBS platform)
  # The generator of the seed corpus, and a test that the committed corpus is still its output.
  add_executable(video_seeds ${CMAKE_CURRENT_LIST_DIR}/video_seeds.cpp)
  target_link_libraries(video_seeds PRIVATE TamzoraWEB JPEG::JPEG ${LZO2_LIBRARY})
  target_include_directories(video_seeds PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests ${LZO2_INCLUDE_DIR})
  add_test(NAME video_seeds_current
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/check_seeds.sh $<TARGET_FILE:video_seeds> ${CMAKE_CURRENT_LIST_DIR}/corpus video_open)
endif()
