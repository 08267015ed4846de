# The engine's movie beside a bare libavcodec + libswscale loop; built with FFmpeg only.
if(TAMZORA_FFMPEG)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(BENCH_LIBAV REQUIRED IMPORTED_TARGET libavformat libavcodec libavutil libswscale)
  tamzora_benchmark(video SOURCES ${CMAKE_CURRENT_LIST_DIR}/video.cpp LIBS TamzoraWEB PkgConfig::BENCH_LIBAV JPEG::JPEG ${LZO2_LIBRARY})
  target_include_directories(bench_video PRIVATE ${CMAKE_SOURCE_DIR}/tests ${LZO2_INCLUDE_DIR})
endif()
