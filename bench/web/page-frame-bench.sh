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

source scripts/web/native-beside-page.sh page-bench
cc -O2 -shared -fPIC -o "$work/frame_count_shim.so" bench/web/frame_count_shim.c -ldl
(cd "$work/native" && SDL_AUDIODRIVER=dummy MARROWICK_FRAME_COUNT_FILE="$work/native-frames" \
   LD_PRELOAD="$work/frame_count_shim.so" exec ./marrowick >"$work/native.log" 2>&1) &
game_pid=$!
for _ in $(seq 100); do [ -s "$work/native-frames" ] && break; sleep 0.1; done
node bench/web/page_frame_bench.mjs "$root/build/web/Marrowick-web" "$game_pid" "$xvfb_pid" "$work/native-frames" ":$display"
