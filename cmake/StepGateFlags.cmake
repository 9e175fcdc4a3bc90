# Compiler settings shared by every target of the project; third-party code (GoogleTest) gets the
# floating-point and sanitizer settings but not our warnings-as-errors.
add_library(stepgate_warnings INTERFACE)
target_compile_options(stepgate_warnings INTERFACE -Wall -Wextra -Werror)

if(STEPGATE_WIN32)
  # x87 extended precision would round float/double expressions differently from the native build.
  add_compile_options(-msse2 -mfpmath=sse)
  # One self-contained file: no libgcc, libstdc++ or winpthread DLLs beside the plug-in.
  add_link_options(-static-libgcc -static-libstdc++ -static)
endif()

if(STEPGATE_SANITIZE)
  # GCC's undefined-behaviour group leaves out float-to-integer conversions out of range, which x86 answers
  # with the lowest integer: a missing lower bound would pass unseen.
  add_compile_options(-fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined,float-cast-overflow)
endif()
