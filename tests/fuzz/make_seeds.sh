#!/usr/bin/env bash
# make_seeds.sh FOLDER FILE...: a fuzzer's seed corpus made afresh in FOLDER
# from the files given (patterns are expanded here, after the build made the
# files): each file whole, its first byte and its first half, and an empty file.
# Files over 512 KB are left out: the music track alone takes longer to decode
# than all the effects together, and every mutation of it would too.
set -euo pipefail
shopt -s nullglob
out=$1
shift
rm -rf "$out"
mkdir -p "$out"
: > "$out/empty"
count=0
largest=$((512 * 1024))
for pattern in "$@"; do
  for file in $pattern; do
    [ "$(stat -c %s "$file")" -le "$largest" ] || continue
    name=$(basename "$file")
    cp "$file" "$out/$name"
    head -c 1 "$file" > "$out/$name.first-byte"
    head -c $(( $(stat -c %s "$file") / 2 )) "$file" > "$out/$name.first-half"
    count=$((count + 1))
  done
done
if [ "$count" -eq 0 ]; then
  echo "make_seeds.sh: no files for $out" >&2
  exit 1
fi
