#!/usr/bin/env bash
# Builds Marrowick as a web page with Debian's Emscripten and packs it:
# build/web/Marrowick-web/ (index.html and progress_buttons.js, marrowick.js,
# marrowick.wasm, and marrowick.data holding the media and levels) and
# build/web/Marrowick-web.zip.
# Any web server can serve the folder as it is. The libraries come from
# scripts/web/build-libraries.sh (built once per machine, then cached).
#
#   MARROWICK_HOST_MEDIA  a host build folder whose media/ are shipped
#                         (default: build/release, whose media target is built here)
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"

for tool in emcc node pkg-config zip gzip optipng; do
  command -v "$tool" >/dev/null || { echo "build-web: $tool is missing (scripts/install-deps.sh web installs it)" >&2; exit 1; }
done
export NODE_PATH=/usr/share/nodejs

started=$SECONDS
MARROWICK_WEB_PREFIX="$(scripts/web/build-libraries.sh | tail -n1)"
export MARROWICK_WEB_PREFIX
echo "build-web: libraries ready in $((SECONDS - started)) s ($MARROWICK_WEB_PREFIX)"

if [ -z "${MARROWICK_HOST_MEDIA:-}" ]; then
  cmake --preset release >/dev/null
  cmake --build --preset release --target media
  MARROWICK_HOST_MEDIA="$root/build/release"
fi
scripts/web/slim-media.sh "$MARROWICK_HOST_MEDIA" "$root/build/web/host-media"
export MARROWICK_HOST_MEDIA="$root/build/web/host-media"

build="$root/build/web/cmake"
started=$SECONDS
nice -n 10 cmake --preset web >/dev/null
nice -n 10 cmake --build --preset web
echo "build-web: built the page's program in $((SECONDS - started)) s"

out="$root/build/web/Marrowick-web"
rm -rf "$out" "$out.zip"
mkdir -p "$out/licenses"
cp web/index.html web/progress_buttons.js "$build/marrowick.js" "$build/marrowick.wasm" "$build/marrowick.data" "$out/"
cp "$build/copyright" LICENSE "$out/"
# The libraries and Emscripten's C and C++ runtimes are linked in; their
# licences travel with the page.
for source in "$MARROWICK_WEB_PREFIX"/../src/*/; do
  cp "$source/debian/copyright" "$out/licenses/$(basename "$source").txt"
done
cp /usr/share/doc/emscripten/copyright "$out/licenses/emscripten.txt"
(cd "$(dirname "$out")" && zip -qr "$(basename "$out").zip" "$(basename "$out")")

# What a visitor downloads, as a server compressing its answers sends it.
download=0
for f in marrowick.wasm marrowick.js marrowick.data index.html progress_buttons.js; do
  download=$((download + $(gzip -9 -c "$out/$f" | wc -c)))
done
echo "build-web: $out.zip ($(du -k "$out.zip" | cut -f1) KiB); the page downloads $((download / 1024)) KiB gzipped"
