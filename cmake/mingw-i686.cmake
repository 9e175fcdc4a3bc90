# Cross-compiling for 32-bit Windows with MinGW-w64: the shipped plug-in for 32-bit hosts and bridges.
set(STEPGATE_MINGW_TARGET i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
