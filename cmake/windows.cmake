# Building for Windows: set up before the targets, so that every test program
# cross-compiled on Linux runs under Wine (cmake/windows_package.cmake does the rest).
if(NOT CMAKE_CROSSCOMPILING)
  return()
endif()

# The folders of the DLLs the programs load: Qt's, GMP's, MPFR's (which only the
# rounding test loads) and MinGW's runtime.
set(windows_dll_dirs)
foreach(prefix IN LISTS VORLINDE_WINDOWS_PREFIX)
  list(APPEND windows_dll_dirs ${prefix}/bin)
endforeach()
set(VORLINDE_WINDOWS_RUNTIME)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE dll_path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${dll_path}")
    message(FATAL_ERROR "MinGW's ${dll} not found")
  endif()
  file(REAL_PATH ${dll_path} dll_path)
  list(APPEND VORLINDE_WINDOWS_RUNTIME ${dll_path})
  get_filename_component(dll_dir ${dll_path} DIRECTORY)
  list(APPEND windows_dll_dirs ${dll_dir})
endforeach()
list(REMOVE_DUPLICATES windows_dll_dirs)

# Wine's paths are Windows paths: the host's root is drive Z:.
list(TRANSFORM windows_dll_dirs PREPEND "Z:")
list(JOIN windows_dll_dirs ";" winepath)
find_program(WINE wine REQUIRED)
# Runs a program of the build tree under Wine: build-windows/wine-run.sh PROGRAM.exe.
# One Wine prefix for the build tree unless WINEPREFIX names another; Wine's own
# debugging output off, and no offer to install Mono or Gecko when one is made.
file(WRITE ${CMAKE_BINARY_DIR}/wine-run.sh "#!/bin/sh
export WINEPREFIX=\"\${WINEPREFIX:-${CMAKE_BINARY_DIR}/wine}\" WINEPATH='${winepath}' WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree,mshtml='
# Wine hands the program no QT_ variable: they go as VORLINDE_QT_..., which the
# tests' main() names back.
for name in $(env | sed -n 's/^\\(QT_[A-Za-z0-9_]*\\)=.*/\\1/p'); do
  eval \"export VORLINDE_$name=\\\"\\$$name\\\"\"
done
exec '${WINE}' \"$@\"
")
file(CHMOD ${CMAKE_BINARY_DIR}/wine-run.sh PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
     GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)
endif()
