#!/usr/bin/env bash
# The Windows build, tested under Wine: cross-builds the game and the platform,
# services and puzzle test programs, runs those programs with wine on a private
# X display, then plays the packaged game there (scripts/windows/play-under-wine.sh).
# scripts/install-deps.sh windows installs what it needs.
#
#   MARROWICK_SHOTS  where the end-to-end screenshots go (default build/win64-shots)
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"

for tool in x86_64-w64-mingw32-g++-posix wine wineboot wineserver Xvfb xdotool import; do
  if ! command -v "$tool" >/dev/null; then
    echo "test-windows: $tool is missing (scripts/install-deps.sh windows installs it)" >&2
    exit 1
  fi
done

# ./test has made the media in its own build; reuse them when they are there.
if [ -z "${MARROWICK_HOST_MEDIA:-}" ] && [ -f build/test/media/mkmedia.stamp ]; then
  export MARROWICK_HOST_MEDIA="$root/build/test"
fi
scripts/build-windows.sh --tests

prefix="$(mktemp -d /tmp/marrowick-wine.XXXXXX)"
display=95
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
xvfb_pid=""
finish() {
  WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$prefix"
}
trap finish EXIT

Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
# No .NET or HTML engine to install, and no sound card to look for: the game
# then plays silently, as it does on a PC without one.
export DISPLAY=":$display" WINEPREFIX="$prefix" WINEDEBUG=-all \
       WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv=d"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

started=$SECONDS
wineserver -p  # kept running from here to the end, so each program starts quickly
wineboot -i >/dev/null 2>&1
echo "test-windows: Wine prefix made in $((SECONDS - started)) s"

# The programs draw through the real back end: Windows' own video driver on
# the X display, silent audio.
started=$SECONDS
failed=0
# A program that hangs fails after 10 minutes instead of holding up the whole run.
for suite in platform services puzzle; do
  if (cd build/win64/tests && SDL_VIDEODRIVER=windows SDL_AUDIODRIVER=dummy \
        timeout 600 wine "test_$suite.exe" --gtest_brief=1); then
    echo "test-windows: test_$suite.exe passed"
  else
    echo "test-windows: test_$suite.exe FAILED"
    failed=1
  fi
done
echo "test-windows: test programs ran under Wine in $((SECONDS - started)) s"

started=$SECONDS
scripts/windows/play-under-wine.sh build/Marrowick-win64 "${MARROWICK_SHOTS:-build/win64-shots}" || failed=1
echo "test-windows: end-to-end run took $((SECONDS - started)) s"
exit $failed
