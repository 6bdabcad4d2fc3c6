#!/usr/bin/env bash
# Builds the libraries the browser game links (SDL2, zlib, libpng,
# libjpeg-turbo, libogg, libvorbis) from Debian's source packages with Debian's
# Emscripten, as static libraries, into a cache outside the clone. Emscripten's
# own ports would download their sources at build time; these come through apt
# like every other part of the build. The cache folder is named after the
# source versions, the compiler and the recipe number below, so a machine
# builds each combination once. Prints the prefix folder (include/, lib/,
# lib/pkgconfig/) as its last line.
#
#   MARROWICK_WEB_CACHE   where the cache lives (default /var/cache/marrowick-web
#                         when writable, else ~/.cache/marrowick-web)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"

sources=(libsdl2 zlib libpng1.6 libjpeg-turbo libogg libvorbis)
jobs=2
# Raise when the way the libraries are built changes, so caches are rebuilt.
recipe=1

. "$here/../library-cache.sh"
export NODE_PATH=/usr/share/nodejs
command -v emcc >/dev/null || { say "emcc is missing (scripts/install-deps.sh web installs it)"; exit 1; }

source_versions "${sources[@]}"
open_cache "${MARROWICK_WEB_CACHE:-}" marrowick-web "$(emcc --version | head -n1)"
write_pkg_config_wrapper "$prefix"
toolchain="$root/cmake/emscripten.cmake"

timed() {  # name command... : runs the command, logging to build/<name>.log, and says how long it took
  local name="$1" started=$SECONDS; shift
  "$@" >"$top/build/$name.log" 2>&1 || { say "$name failed; the end of $top/build/$name.log:"; tail -n 30 "$top/build/$name.log" >&2; exit 1; }
  say "$name built in $((SECONDS - started)) s"
}

cmake_build() {  # name source-folder cmake-options...
  local name="$1" src="$2"; shift 2
  nice -n 10 cmake -S "$src" -B "$top/build/$name" -G "Unix Makefiles" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DMARROWICK_WEB_PREFIX="$prefix" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" \
    -DBUILD_SHARED_LIBS=OFF "$@" &&
  nice -n 10 cmake --build "$top/build/$name" -j"$jobs" &&
  cmake --install "$top/build/$name"
}

# Debian's cut-down zlib source has a CMake file that does not configure; its
# own configure script builds in the source folder.
zlib_build() {
  cd "$1" &&
  nice -n 10 emconfigure ./configure --static --prefix="$prefix" &&
  nice -n 10 emmake make -j"$jobs" libz.a &&
  emmake make install
}

started=$SECONDS
timed zlib zlib_build "$(fetch zlib)"
# No SIMD code: the intrinsics it has are for real processors' vector units.
timed libpng cmake_build libpng "$(fetch libpng1.6)" \
  -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_HARDWARE_OPTIMIZATIONS=OFF
timed libjpeg-turbo cmake_build libjpeg-turbo "$(fetch libjpeg-turbo)" \
  -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF
timed libogg cmake_build libogg "$(fetch libogg)" -DINSTALL_DOCS=OFF
timed libvorbis cmake_build libvorbis "$(fetch libvorbis)"
# Only what the game calls: it draws with OpenGL ES (WebGL), not SDL's
# renderer, and uses neither haptics nor the power state. The page has no
# threads.
timed sdl2 cmake_build sdl2 "$(fetch libsdl2)" \
  -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL2_DISABLE_SDL2MAIN=ON \
  -DSDL_VIDEO=ON -DSDL_OPENGL=OFF -DSDL_OPENGLES=ON -DSDL_RENDER=OFF -DSDL_AUDIO=ON \
  -DSDL_JOYSTICK=ON -DSDL_HAPTIC=OFF -DSDL_POWER=OFF -DSDL_PTHREADS=OFF -DSDL_THREADS=OFF

touch "$prefix/.complete"
say "done in $((SECONDS - started)) s"
echo "$prefix"
