# The generator of the image, animation, JPEG, font-file, text mark-up, icon and PSD seed corpora,
# and a test that the committed corpora are still its output.
add_executable(graphics_seeds ${CMAKE_CURRENT_LIST_DIR}/graphics_seeds.cpp)
target_link_libraries(graphics_seeds PRIVATE TamzoraWEB JPEG::JPEG ${LZO2_LIBRARY})
target_include_directories(graphics_seeds PRIVATE ${CMAKE_SOURCE_DIR} ${LZO2_INCLUDE_DIR})
add_test(NAME graphics_seeds_current
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/check_seeds.sh $<TARGET_FILE:graphics_seeds> ${CMAKE_CURRENT_LIST_DIR}/corpus
    image_file animation_file jpeg font_file text_markup icon_file psd_file)
