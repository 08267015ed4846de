# The engine library TamzoraWEB: every engine folder that holds code, over the platform layer.
set(TAMZORA_ENGINE_FOLDERS foundation script graphics sound application objects network)

set(TAMZORA_ENGINE_SOURCES "")
foreach(dir ${TAMZORA_ENGINE_FOLDERS})
  tamzora_folder_sources(_dir_sources ${dir})
  list(APPEND TAMZORA_ENGINE_SOURCES ${_dir_sources})
endforeach()

find_package(ZLIB REQUIRED)
find_package(JPEG REQUIRED)
find_library(LZO2_LIBRARY NAMES lzo2 REQUIRED)
find_path(LZO2_INCLUDE_DIR lzo/lzo1x.h REQUIRED)

add_library(TamzoraWEB SHARED ${TAMZORA_ENGINE_SOURCES})
target_include_directories(TamzoraWEB PUBLIC ${CMAKE_SOURCE_DIR} PRIVATE ${LZO2_INCLUDE_DIR})
target_link_libraries(TamzoraWEB PUBLIC platform PRIVATE ZLIB::ZLIB JPEG::JPEG ${LZO2_LIBRARY})
# Nothing interposes the engine's own symbols: calls inside the library may go direct and be inlined.
target_compile_options(TamzoraWEB PRIVATE -fno-semantic-interposition)
# Loops cloned per processor are chosen by resolvers that run while the library is being loaded,
# before ThreadSanitizer's runtime is ready, so the one file with such clones goes unwatched.
if(TAMZORA_TSAN)
  set_property(SOURCE ${CMAKE_SOURCE_DIR}/objects/CWaterRipple.cpp APPEND PROPERTY COMPILE_OPTIONS -fno-sanitize=thread)
endif()
# Its clones for processors with fused multiply-adds round each product of a wave as the per-pixel
# path does, so that both choose the same pixels.
set_property(SOURCE ${CMAKE_SOURCE_DIR}/objects/CWaterRipple.cpp APPEND PROPERTY COMPILE_OPTIONS -ffp-contract=off)
