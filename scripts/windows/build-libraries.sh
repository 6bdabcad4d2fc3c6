#!/usr/bin/env bash
# Cross-builds the libraries the Windows game links (SDL2, zlib, libpng,
# libjpeg-turbo, libogg, libvorbis) and GoogleTest from Debian's
# source packages, as static libraries, into a cache outside the clone.
# The cache folder is named after the source versions, the compiler and the
# recipe number below, so a machine builds each combination once. Prints the prefix folder
# (include/, lib/, lib/pkgconfig/) as its last line.
#
#   MARROWICK_WIN64_CACHE   where the cache lives (default /var/cache/marrowick-win64
#                           when writable, else ~/.cache/marrowick-win64)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"

host=x86_64-w64-mingw32
sources=(libsdl2 zlib libpng1.6 libjpeg-turbo libogg libvorbis googletest)
jobs=2
# Raise when the way the libraries are built changes, so caches are rebuilt.
recipe=2

. "$here/../library-cache.sh"
source_versions "${sources[@]}"
open_cache "${MARROWICK_WIN64_CACHE:-}" marrowick-win64 "$(${host}-gcc-posix --version | head -n1)"
toolchain="$root/cmake/mingw-w64-x86_64.cmake"

write_pkg_config_wrapper "$prefix"

cmake_build() {  # name source-folder cmake-options...
  local name="$1" src="$2"; shift 2
  cmake -S "$src" -B "$top/build/$name" -G "Unix Makefiles" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DMARROWICK_WIN64_PREFIX="$prefix" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DBUILD_SHARED_LIBS=OFF "$@" >"$top/build/$name.log"
  cmake --build "$top/build/$name" -j"$jobs" >>"$top/build/$name.log"
  cmake --install "$top/build/$name" >>"$top/build/$name.log"
}

autotools_build() {  # name source-folder configure-options...
  local name="$1" src="$2"; shift 2
  mkdir -p "$top/build/$name"
  (cd "$top/build/$name" &&
   CC=${host}-gcc-posix AR=${host}-ar RANLIB=${host}-ranlib \
   CPPFLAGS="-I$prefix/include" LDFLAGS="-L$prefix/lib" \
   PKG_CONFIG="$prefix/bin/pkg-config-static" \
     "$src/configure" --host=$host --prefix="$prefix" \
       --disable-shared --enable-static "$@" &&
   make -j"$jobs" && make install) >"$top/build/$name.log" 2>&1
}

started=$SECONDS
say "zlib"
src="$(fetch zlib)"
# Debian's zlib source has no Windows makefile; its library is these files.
mkdir -p "$top/build/zlib" "$prefix/include"
for f in adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback \
         inffast inflate inftrees trees uncompr zutil; do
  ${host}-gcc-posix -O2 -c "$src/$f.c" -o "$top/build/zlib/$f.o"
done
${host}-ar rcs "$prefix/lib/libz.a" "$top/build/zlib"/*.o
install -m644 "$src/zlib.h" "$src/zconf.h" "$prefix/include/"
zversion="$(sed -n 's/^#define ZLIB_VERSION "\(.*\)"/\1/p' "$src/zlib.h")"
cat > "$prefix/lib/pkgconfig/zlib.pc" <<PC
prefix=$prefix
libdir=\${prefix}/lib
includedir=\${prefix}/include
Name: zlib
Description: zlib compression library
Version: $zversion
Libs: -L\${libdir} -lz
Cflags: -I\${includedir}
PC

say "libpng"
autotools_build libpng "$(fetch libpng1.6)"

say "libjpeg-turbo"
cmake_build libjpeg-turbo "$(fetch libjpeg-turbo)" \
  -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF

say "libogg"
autotools_build libogg "$(fetch libogg)"

say "libvorbis"
autotools_build libvorbis "$(fetch libvorbis)" --disable-examples --disable-docs

say "SDL2"
# Only what the game calls: it draws with OpenGL, not SDL's renderer, and uses
# neither haptics nor the power state.
cmake_build sdl2 "$(fetch libsdl2)" \
  -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL2_DISABLE_SDL2MAIN=ON \
  -DSDL_VIDEO=ON -DSDL_OPENGL=ON -DSDL_OPENGLES=OFF -DSDL_VULKAN=OFF \
  -DSDL_RENDER=OFF -DSDL_AUDIO=ON -DSDL_WASAPI=ON -DSDL_DIRECTX=ON \
  -DSDL_JOYSTICK=ON -DSDL_HIDAPI=ON -DSDL_HAPTIC=OFF -DSDL_POWER=OFF
# The game has its own main and is a console or windowed program as its build
# decides: keep SDL's pkg-config file from adding SDL2main and -mwindows.
sed -i -e 's/-lSDL2main//g' -e 's/-mwindows//g' "$prefix/lib/pkgconfig/sdl2.pc"

say "GoogleTest"
cmake_build googletest "$(fetch googletest)" -DINSTALL_GTEST=ON -DBUILD_GMOCK=ON

touch "$prefix/.complete"
say "done in $((SECONDS - started)) s"
echo "$prefix"
