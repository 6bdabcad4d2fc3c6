# Cross-building for 64-bit Windows with Debian's MinGW-w64 compilers.
# The POSIX thread model is the one whose C++ library has std::thread.
# MARROWICK_WIN64_PREFIX is the folder holding the cross-built libraries
# (scripts/windows/build-libraries.sh makes it).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_AR x86_64-w64-mingw32-ar CACHE FILEPATH "")
set(CMAKE_RANLIB x86_64-w64-mingw32-ranlib CACHE FILEPATH "")

# Toolchain files are read again for every try-compile; pass the prefix on.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES MARROWICK_WIN64_PREFIX)
if(NOT MARROWICK_WIN64_PREFIX AND DEFINED ENV{MARROWICK_WIN64_PREFIX})
  set(MARROWICK_WIN64_PREFIX $ENV{MARROWICK_WIN64_PREFIX})
endif()

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${MARROWICK_WIN64_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Everything is linked statically (the C and C++ runtimes and winpthread too),
# so the programs import nothing but Windows' own DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# pkg-config answers from the cross-built libraries only, with their static
# link lines.
if(MARROWICK_WIN64_PREFIX)
  set(ENV{PKG_CONFIG_LIBDIR} ${MARROWICK_WIN64_PREFIX}/lib/pkgconfig)
  set(ENV{PKG_CONFIG_PATH} "")
  set(PKG_CONFIG_EXECUTABLE ${MARROWICK_WIN64_PREFIX}/bin/pkg-config-static CACHE FILEPATH "")
endif()

find_program(MARROWICK_WINE NAMES wine wine64)
if(MARROWICK_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${MARROWICK_WINE})
endif()
