#!/usr/bin/env bash
# Lays out the Windows game as players get it and zips it:
#   package.sh <cross build folder> <library prefix> <package folder>
# The folder holds marrowick.exe, chest.ico (the window icon), media/, levels/,
# the game's LICENSE, the copyright file covering the program and the libraries
# linked into it, and those libraries' own copyright files in licenses/.
set -euo pipefail
build="$1" prefix="$2" out="$3"
here="$(cd "$(dirname "$0")" && pwd)"

rm -rf "$out" "$out.zip"
mkdir -p "$out/licenses"
cp "$build/marrowick.exe" "$build/chest.ico" "$build/copyright" "$here/../../LICENSE" "$out/"
cp -r "$build/levels" "$out/levels"
cp -r "$build/media" "$out/media"
rm -f "$out/media/mkmedia.stamp"

# The libraries are linked statically; their licences travel with the program.
for source in "$prefix"/../src/*/; do
  name="$(basename "$source")"
  [ "$name" = googletest ] && continue  # only the test programs link it
  cp "$source/debian/copyright" "$out/licenses/$name.txt"
done
# The compiler's C runtime and winpthreads are linked in too.
cp /usr/share/doc/mingw-w64-common/copyright "$out/licenses/mingw-w64.txt"

"$here/check-imports.sh" "$out"

(cd "$(dirname "$out")" && zip -qr "$(basename "$out").zip" "$(basename "$out")")
echo "package: $out.zip ($(du -k "$out.zip" | cut -f1) KiB)"
