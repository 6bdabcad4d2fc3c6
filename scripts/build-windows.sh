#!/usr/bin/env bash
# Cross-builds Marrowick for 64-bit Windows with MinGW-w64 and packs it:
# build/Marrowick-win64/ (marrowick.exe, chest.ico, media/, levels/) and
# build/Marrowick-win64.zip. The libraries come from
# scripts/windows/build-libraries.sh (built once per machine, then cached).
#
#   scripts/build-windows.sh           the game, the developer game and the package
#   scripts/build-windows.sh --tests   the same, plus the test programs run under Wine
#
#   MARROWICK_HOST_MEDIA  a host build folder whose media/ and chest.ico are
#                         shipped (default: build/release, whose media target
#                         is built here)
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"

tests=OFF
[ "${1:-}" = "--tests" ] && tests=ON

for tool in x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-windres x86_64-w64-mingw32-objdump zip; do
  command -v "$tool" >/dev/null || { echo "build-windows: $tool is missing (scripts/install-deps.sh windows installs it)" >&2; exit 1; }
done

started=$SECONDS
prefix="$(scripts/windows/build-libraries.sh | tail -n1)"
echo "build-windows: libraries ready in $((SECONDS - started)) s ($prefix)"

host_media="${MARROWICK_HOST_MEDIA:-}"
if [ -z "$host_media" ]; then
  cmake --preset release >/dev/null
  cmake --build --preset release --target media
  host_media="$root/build/release"
fi

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
build="$root/build/win64"
started=$SECONDS
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DMARROWICK_WIN64_PREFIX="$prefix" -DMARROWICK_HOST_MEDIA="$host_media" \
  -DCMAKE_BUILD_TYPE=Release -DMARROWICK_TESTS=$tests "${launcher[@]}" >/dev/null
targets=(marrowick marrowick-dev)
[ $tests = ON ] && targets+=(test_platform test_services test_puzzle)
cmake --build "$build" -j2 --target "${targets[@]}"
echo "build-windows: cross-built ${targets[*]} in $((SECONDS - started)) s"

scripts/windows/package.sh "$build" "$prefix" "$root/build/Marrowick-win64"
