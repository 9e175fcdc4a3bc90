# The shipped plug-in: one self-contained 32-bit DLL exporting `main`, with its bitmaps and bank.
add_library(stepgate SHARED
  ${CMAKE_SOURCE_DIR}/host/plugin_entry.cpp
  ${CMAKE_SOURCE_DIR}/host/plugin_main.cpp
  ${CMAKE_SOURCE_DIR}/host/plugin_exports.def
  ${STEPGATE_PLUGIN_RC}
)
set_target_properties(stepgate PROPERTIES PREFIX "" OUTPUT_NAME stepgate)
target_include_directories(stepgate PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(stepgate PRIVATE stepgate_editor stepgate_warnings)
# The script's inputs: the plug-in is rebuilt when a bitmap or the bank changes.
file(GLOB stepgate_resource_files ${CMAKE_SOURCE_DIR}/resources/*.bmp ${CMAKE_SOURCE_DIR}/resources/*.bin)
set_source_files_properties(${STEPGATE_PLUGIN_RC} PROPERTIES OBJECT_DEPENDS "${stepgate_resource_files}")
