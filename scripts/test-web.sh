#!/usr/bin/env bash
# The web build, tested in headless Chromium: builds the page
# (scripts/build-web.sh), takes the native game's main menu on a private X
# display as the picture the page's must match, and plays the page from a
# loopback HTTP server with puppeteer-core (tests/web/play-page.mjs, its
# version pinned in tests/web/package-lock.json).
# scripts/install-deps.sh web installs what it needs.
#
#   MARROWICK_SHOTS  where the screenshots go (default build/web-shots)
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"

for tool in emcc node npm chromium Xvfb xdotool import compare; do
  if ! command -v "$tool" >/dev/null; then
    echo "test-web: $tool is missing (scripts/install-deps.sh web installs it)" >&2
    exit 1
  fi
done

# ./test has made the media in its own build; reuse them when they are there.
if [ -z "${MARROWICK_HOST_MEDIA:-}" ] && [ -f build/test/media/mkmedia.stamp ]; then
  export MARROWICK_HOST_MEDIA="$root/build/test"
fi
scripts/build-web.sh
cmake --preset release >/dev/null
cmake --build --preset release --target marrowick

shots="${MARROWICK_SHOTS:-$root/build/web-shots}"
rm -rf "$shots"
mkdir -p "$shots"
# The native game's main menu, from a copy of the game so that its player
# files land in the copy: the logo, then the menu once it has stopped changing.
source scripts/web/native-beside-page.sh web-test
(cd "$work/native" && SDL_AUDIODRIVER=dummy exec ./marrowick >"$work/native.log" 2>&1) &
game_pid=$!
window=""
for _ in $(seq 120); do
  window="$(xdotool search --onlyvisible --class marrowick 2>/dev/null | head -n1 || true)"
  [ -n "$window" ] && break
  sleep 0.5
done
[ -n "$window" ] || { echo "test-web: the native game opened no window: $(cat "$work/native.log")" >&2; exit 1; }
# Past the logo (two seconds) and the menu's fade, then until two grabs agree.
sleep 8
import -window "$window" "$work/menu-a.png"
for _ in $(seq 30); do
  sleep 1
  import -window "$window" "$work/menu-b.png"
  differing="$(compare -metric AE -fuzz 3% "$work/menu-a.png" "$work/menu-b.png" null: 2>&1 || true)"
  awk -v p="${differing%% *}" 'BEGIN { exit !(p < 0.002 * 800 * 600) }' && break
  mv "$work/menu-b.png" "$work/menu-a.png"
done
cp "$work/menu-b.png" "$shots/native-main-menu.png"
kill "$game_pid"; wait "$game_pid" 2>/dev/null || true; game_pid=""

(cd tests/web && npm ci --no-audit --no-fund --silent)
node tests/web/play-page.mjs build/web/Marrowick-web "$shots/native-main-menu.png" "$shots"
