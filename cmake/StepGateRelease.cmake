# The release: the DLL's version resource and the archive a musician downloads (CPack), holding the
# stripped DLL, gatehost, the install guide and the factory patterns, one archive per Windows build
# (win32, win64). The version is the project's.
# The build tree keeps its symbols for the tests; only the installed copies are stripped.
configure_file(${CMAKE_SOURCE_DIR}/resources/version.rc.in ${CMAKE_BINARY_DIR}/version.rc @ONLY)
target_sources(stepgate PRIVATE ${CMAKE_BINARY_DIR}/version.rc)

set(stepgate_package_dir ${CMAKE_BINARY_DIR}/package)
configure_file(${CMAKE_SOURCE_DIR}/package/INSTALL.txt.in ${stepgate_package_dir}/INSTALL.txt @ONLY
               NEWLINE_STYLE CRLF)
find_program(STEPGATE_PYTHON python3 REQUIRED)
add_custom_command(
  OUTPUT ${stepgate_package_dir}/patterns.txt
  COMMAND ${STEPGATE_PYTHON} ${CMAKE_SOURCE_DIR}/package/list_patterns.py ${CMAKE_SOURCE_DIR}/resources/bank.bin
          ${stepgate_package_dir}/patterns.txt ${PROJECT_VERSION}
  DEPENDS ${CMAKE_SOURCE_DIR}/package/list_patterns.py ${CMAKE_SOURCE_DIR}/resources/bank.bin
  COMMENT "Listing the factory patterns"
)
add_custom_target(stepgate_patterns ALL DEPENDS ${stepgate_package_dir}/patterns.txt)

# The import library is for linkers, not for hosts: it stays out of the archive.
install(TARGETS stepgate gatehost RUNTIME DESTINATION . ARCHIVE DESTINATION lib EXCLUDE_FROM_ALL)
install(FILES ${stepgate_package_dir}/INSTALL.txt ${stepgate_package_dir}/patterns.txt DESTINATION .)
# Packaging builds only what the archive holds (scripts/package.sh builds it first), not every test.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME stepgate)
set(CPACK_PACKAGE_FILE_NAME stepgate-${PROJECT_VERSION}-win${STEPGATE_BITS})
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
# Named here: including CPack rewrites CPACK_PACKAGE_FILE_NAME for its source package.
set(STEPGATE_RELEASE_ARCHIVE ${CPACK_PACKAGE_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.zip)
include(CPack)
