#!/usr/bin/env bash
# The media as the page ships them: the host build's, with every picture
# recompressed by optipng. The pixels stay the same; the download shrinks by
# about 0.3 MB. Each picture's slimmer copy is kept under the name of its
# content's hash, so a build that changed no picture recompresses none.
#
#   scripts/web/slim-media.sh <host build folder> <output folder>
# makes <output folder>/media and <output folder>/chest.ico, as a host build has.
set -euo pipefail
host="$1" out="$2"
cache="$out/../png-cache"
command -v optipng >/dev/null || { echo "slim-media: optipng is missing (scripts/install-deps.sh web installs it)" >&2; exit 1; }
[ -f "$host/media/mkmedia.stamp" ] || { echo "slim-media: $host has no media (build its media target)" >&2; exit 1; }

rm -rf "$out"
mkdir -p "$out" "$cache"
cp -r "$host/media" "$out/media"
cp "$host/chest.ico" "$out/"
missing=()
while IFS= read -r -d '' picture; do
  slim="$cache/$(sha256sum "$picture" | cut -c1-32).png"
  if [ ! -f "$slim" ]; then
    cp "$picture" "$slim.new"
    missing+=("$slim.new")
  fi
done < <(find "$out/media" -name '*.png' -print0)
if [ ${#missing[@]} -gt 0 ]; then
  printf '%s\0' "${missing[@]}" | xargs -0 -P2 -n8 nice -n 10 optipng -quiet -o2 -strip all
  for new in "${missing[@]}"; do mv "$new" "${new%.new}"; done
fi
while IFS= read -r -d '' picture; do
  cp "$cache/$(sha256sum "$picture" | cut -c1-32).png" "$picture"
done < <(find "$out/media" -name '*.png' -print0)
echo "slim-media: $(du -sk "$host/media" | cut -f1) KiB of media made $(du -sk "$out/media" | cut -f1) KiB (${#missing[@]} pictures recompressed)"
