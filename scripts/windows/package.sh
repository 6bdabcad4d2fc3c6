#!/usr/bin/env bash
# Lays out the Windows game as players get it and zips it:
#   package.sh <cross build folder> <library prefix> <package folder>
# The folder holds marrowick.exe, chest.ico (the window icon), media/, levels/
# and the licences of the libraries linked into the program.
set -euo pipefail
build="$1" prefix="$2" out="$3"
here="$(cd "$(dirname "$0")" && pwd)"

rm -rf "$out" "$out.zip"
mkdir -p "$out/licenses"
cp "$build/marrowick.exe" "$build/chest.ico" "$out/"
cp -r "$build/levels" "$out/levels"
cp -r "$build/media" "$out/media"
rm -f "$out/media/mkmedia.stamp"

# The libraries are linked statically; their licences travel with the program.
for source in "$prefix"/../src/*/; do
  name="$(basename "$source")"
  [ "$name" = googletest ] && continue  # only the test programs link it
  cp "$source/debian/copyright" "$out/licenses/$name.txt"
done

"$here/check-imports.sh" "$out"

(cd "$(dirname "$out")" && zip -qr "$(basename "$out").zip" "$(basename "$out")")
echo "package: $out.zip ($(du -k "$out.zip" | cut -f1) KiB)"
