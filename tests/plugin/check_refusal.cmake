# Checks that gatehost refuses what it cannot load, naming why, with exit code 2 and never a crash: the
# plug-in DLL of the other width (naming the gatehost that loads it), a text file and a damaged header.
foreach(name WINE_RUN GATEHOST OTHER_DLL OWN_BITS OTHER_BITS DIR)
  if(NOT DEFINED ${name})
    message(FATAL_ERROR "check_refusal.cmake needs -D${name}=...")
  endif()
endforeach()
if(NOT EXISTS ${OTHER_DLL})
  message(FATAL_ERROR "${OTHER_DLL} is missing: build the ${OTHER_BITS}-bit preset first")
endif()

file(REMOVE_RECURSE ${DIR})
file(MAKE_DIRECTORY ${DIR})
# Beside each other in a folder of their own: a bare name would find gatehost's own stepgate.dll first.
file(COPY_FILE ${OTHER_DLL} ${DIR}/other-width.dll)
file(WRITE ${DIR}/notes.dll "not a program at all\n")
file(WRITE ${DIR}/damaged.dll "MZ, then text where the header and the offset of its PE header belong\n")

# What gatehost must say of each file (after the file's name).
set(expected_other-width.dll "is a ${OTHER_BITS}-bit DLL; this gatehost is ${OWN_BITS}-bit .*use the ${OTHER_BITS}-bit gatehost")
set(expected_notes.dll "is not a Windows DLL")
set(expected_damaged.dll "is not a Windows DLL")
foreach(file other-width.dll notes.dll damaged.dll)
  execute_process(COMMAND ${WINE_RUN} ${GATEHOST} info ${file} WORKING_DIRECTORY ${DIR}
                  OUTPUT_VARIABLE printed ERROR_VARIABLE complaint RESULT_VARIABLE status)
  message(STATUS "${file}: exit ${status}: ${complaint}")
  if(NOT status EQUAL 2)
    message(FATAL_ERROR "gatehost info ${file} ended with ${status}, expected 2")
  endif()
  if(NOT complaint MATCHES "${file} ${expected_${file}}")
    message(FATAL_ERROR "gatehost info ${file} did not say '${expected_${file}}'")
  endif()
endforeach()
