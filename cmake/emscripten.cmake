# Building for the browser with Debian's Emscripten. MARROWICK_WEB_PREFIX is
# the folder holding the libraries built for it (scripts/web/build-libraries.sh
# makes it). The compiler's JavaScript passes need NODE_PATH=/usr/share/nodejs
# in the environment, to find Debian's acorn; the scripts and presets set it.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# Configure checks run their test programs under Node, and the flag
# Emscripten's toolchain passes it is refused by Node 20 unless its own fetch
# is turned off: every run would fail and the checks record nonsense (type
# sizes of 9), so the emulator is Node with that flag.
find_program(MARROWICK_NODE NAMES node nodejs REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR "${MARROWICK_NODE};--no-experimental-fetch" CACHE STRING "" FORCE)

# Toolchain files are read again for every try-compile; pass the prefix on.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES MARROWICK_WEB_PREFIX)
if(NOT MARROWICK_WEB_PREFIX AND DEFINED ENV{MARROWICK_WEB_PREFIX})
  set(MARROWICK_WEB_PREFIX $ENV{MARROWICK_WEB_PREFIX})
endif()
if(MARROWICK_WEB_PREFIX)
  list(APPEND CMAKE_FIND_ROOT_PATH ${MARROWICK_WEB_PREFIX})
  # pkg-config answers from the libraries built for the browser only.
  set(ENV{PKG_CONFIG_LIBDIR} ${MARROWICK_WEB_PREFIX}/lib/pkgconfig)
  set(ENV{PKG_CONFIG_PATH} "")
  set(PKG_CONFIG_EXECUTABLE ${MARROWICK_WEB_PREFIX}/bin/pkg-config-static CACHE FILEPATH "")
endif()
