# GoogleTest for both targets, and one CTest test per test executable: discovering cases one by one
# would start Wine hundreds of times.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
enable_testing()

if(STEPGATE_WIN32)
  # Every Windows test runs under the Wine of its build's width, in a prefix kept inside this build tree.
  set(STEPGATE_WINEPREFIX ${CMAKE_BINARY_DIR}/wine)
  # The 64-bit build runs under 64-bit Wine, called directly: the `wine` command prefers the 32-bit
  # loader whenever it is installed.
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(STEPGATE_WINEARCH win64)
    set(STEPGATE_WINE /usr/lib/wine/wine64)
  else()
    set(STEPGATE_WINEARCH win32)
    set(STEPGATE_WINE wine)
  endif()
  configure_file(${CMAKE_SOURCE_DIR}/scripts/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                  WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
  # The presets point each Windows build at the other's DLL, which its gatehost must refuse.
  set(STEPGATE_OTHER_WIDTH_DLL "" CACHE FILEPATH "The plug-in DLL built for the other pointer width")
endif()

# stepgate_add_test(NAME SOURCES ... LIBRARIES ...): one test executable, registered as one test.
function(stepgate_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest_main GTest::gmock stepgate_warnings)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
endfunction()
