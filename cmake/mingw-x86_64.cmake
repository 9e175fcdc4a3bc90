# Cross-compiling for 64-bit Windows with MinGW-w64: only to run the Windows tests on a machine whose
# kernel cannot run 32-bit Wine. The shipped plug-in is the 32-bit build.
set(STEPGATE_MINGW_TARGET x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
