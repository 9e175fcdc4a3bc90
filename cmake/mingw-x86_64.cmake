# Cross-compiling for 64-bit Windows with MinGW-w64: the shipped 64-bit plug-in, for 64-bit hosts.
set(STEPGATE_MINGW_TARGET x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
