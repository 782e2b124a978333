# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the POSIX thread
# model, which C++'s threads and Qt need). VORLINDE_WINDOWS_PREFIX lists the
# folders where GMP, MPFR, GoogleTest and Qt were built for Windows.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_AR ${triple}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${triple}-gcc-ranlib-posix CACHE FILEPATH "")

# Try-compile projects see the prefixes too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VORLINDE_WINDOWS_PREFIX)

# Libraries and headers come only from MinGW's own folder and the prefixes, never
# from the host's; programs (moc, the host's tools) come from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${VORLINDE_WINDOWS_PREFIX})
set(CMAKE_PREFIX_PATH ${VORLINDE_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config reads the prefixes' files alone.
list(TRANSFORM VORLINDE_WINDOWS_PREFIX APPEND /lib/pkgconfig OUTPUT_VARIABLE pkgconfig_dirs)
string(REPLACE ";" ":" pkgconfig_dirs "${pkgconfig_dirs}")
set(ENV{PKG_CONFIG_LIBDIR} "${pkgconfig_dirs}")
set(ENV{PKG_CONFIG_PATH} "")
