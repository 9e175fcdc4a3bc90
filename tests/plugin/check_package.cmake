# Checks the release archive as a musician meets it: unpacked on its own it holds exactly the DLL (stripped),
# gatehost, the guide and the patterns, both programs of the archive's width. Given WINE_RUN, also that
# gatehost names the version and reads it and the width from the DLL's version resource, and that the DLL
# passes the validator.
foreach(name ARCHIVE VERSION BITS DIR OBJDUMP)
  if(NOT DEFINED ${name})
    message(FATAL_ERROR "check_package.cmake needs -D${name}=...")
  endif()
endforeach()

file(REMOVE_RECURSE ${DIR})
file(MAKE_DIRECTORY ${DIR})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${ARCHIVE} WORKING_DIRECTORY ${DIR} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cannot unpack ${ARCHIVE}")
endif()
get_filename_component(folder ${ARCHIVE} NAME_WLE)
file(GLOB_RECURSE files RELATIVE ${DIR} ${DIR}/*)
list(SORT files)
set(expected ${folder}/INSTALL.txt ${folder}/gatehost.exe ${folder}/patterns.txt ${folder}/stepgate.dll)
if(NOT files STREQUAL expected)
  message(FATAL_ERROR "the archive holds ${files}, expected ${expected}")
endif()
set(root ${DIR}/${folder})

execute_process(COMMAND ${OBJDUMP} -t ${root}/stepgate.dll OUTPUT_VARIABLE symbols)
if(NOT symbols MATCHES "no symbols")
  message(FATAL_ERROR "the shipped stepgate.dll is not stripped")
endif()
if(BITS EQUAL 64)
  set(format pei-x86-64)
else()
  set(format pei-i386)
endif()
foreach(program stepgate.dll gatehost.exe)
  execute_process(COMMAND ${OBJDUMP} -f ${root}/${program} OUTPUT_VARIABLE header)
  if(NOT header MATCHES "file format ${format}\n")
    message(FATAL_ERROR "the ${BITS}-bit archive's ${program} is not ${format}: ${header}")
  endif()
endforeach()
if(NOT DEFINED WINE_RUN)
  return()
endif()

string(REPLACE "." "\\." version "${VERSION}")
# Runs the unpacked gatehost on the unpacked DLL; its output lands in `output`, a failure stops the check.
function(run_gatehost command output)
  execute_process(COMMAND ${WINE_RUN} gatehost.exe ${command} stepgate.dll WORKING_DIRECTORY ${root}
                  OUTPUT_VARIABLE printed RESULT_VARIABLE status)
  message(STATUS "${printed}")
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "gatehost ${command} failed on the shipped stepgate.dll (${status})")
  endif()
  set(${output} "${printed}" PARENT_SCOPE)
endfunction()

run_gatehost(info info)
# Lines end in CR LF: the Windows runtime writes standard output in text mode.
foreach(line "^gatehost ${version}\r?\n" "\nfileVersion +${version}\\.0\r?\n"
             "\nproductVersion +${version}\r?\n" "\ndescription +[^\n]*\\(${BITS}-bit\\)\r?\n")
  if(NOT info MATCHES "${line}")
    message(FATAL_ERROR "gatehost info printed no line matching ${line}")
  endif()
endforeach()

run_gatehost(validate report)
