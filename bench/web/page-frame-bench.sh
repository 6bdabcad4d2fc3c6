#!/usr/bin/env bash
# The web page's frame against the native game's, paired (page_frame_bench.mjs):
# starts a private Xvfb display and the native release game on it, with its
# shown frames counted (frame_count_shim.c), then plays both at once.
# Needs the web build (scripts/build-web.sh) and the release build with its
# media; scripts/install-deps.sh web installs the tools.
#
#   bench/web/page-frame-bench.sh        MARROWICK_WINDOW_SECONDS sets each window (15)
set -euo pipefail
cd "$(dirname "$0")/../.."
root="$PWD"
[ -f build/web/Marrowick-web/index.html ] || { echo "page-frame-bench: build the page first (scripts/build-web.sh)" >&2; exit 1; }
[ -x build/release/marrowick ] || { echo "page-frame-bench: build the release game first" >&2; exit 1; }
(cd tests/web && npm ci --no-audit --no-fund --silent)

work="$(mktemp -d /tmp/marrowick-page-bench.XXXXXX)"
xvfb_pid="" game_pid=""
finish() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap finish EXIT
cc -O2 -shared -fPIC -o "$work/frame_count_shim.so" bench/web/frame_count_shim.c -ldl

display=95
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do DISPLAY=":$display" xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
mkdir -p "$work/native"
cp -r build/release/marrowick build/release/media build/release/levels build/release/chest.ico "$work/native/"
(cd "$work/native" && DISPLAY=":$display" SDL_AUDIODRIVER=dummy MARROWICK_FRAME_COUNT_FILE="$work/native-frames" \
   LD_PRELOAD="$work/frame_count_shim.so" exec ./marrowick >"$work/native.log" 2>&1) &
game_pid=$!
for _ in $(seq 100); do [ -s "$work/native-frames" ] && break; sleep 0.1; done
node bench/web/page_frame_bench.mjs "$root/build/web/Marrowick-web" "$game_pid" "$xvfb_pid" "$work/native-frames" ":$display"
