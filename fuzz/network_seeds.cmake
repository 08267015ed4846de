# The generator of the network fuzz targets' seed corpora, and a test that the committed corpora
# are still its output.
add_executable(network_seeds ${CMAKE_CURRENT_LIST_DIR}/network_seeds.cpp)
target_include_directories(network_seeds PRIVATE ${CMAKE_SOURCE_DIR})
add_test(NAME network_seeds_current
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/check_seeds.sh $<TARGET_FILE:network_seeds> ${CMAKE_CURRENT_LIST_DIR}/corpus
    net_frames file_transfer net_script)
