#!/usr/bin/env bash
# The Windows build, tested under Wine: cross-builds the game and the platform,
# services and puzzle test programs, runs those programs with wine on private
# X displays, and plays the packaged game on one (scripts/windows/play-under-wine.sh).
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

# A Wine prefix, and so a Wine server, for each lane below: one server keeps
# one foreground window for all its programs, so a window opened in one lane
# took the focus from the other's, whose input tests then lost their keys.
first_prefix="$(mktemp -d /tmp/marrowick-wine.XXXXXX)"
second_prefix="$(mktemp -d /tmp/marrowick-wine.XXXXXX)"
lanes="$(mktemp -d /tmp/marrowick-lanes.XXXXXX)"
xvfb_pids=()
finish() {
  for prefix in "$first_prefix" "$second_prefix"; do
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
  done
  for pid in "${xvfb_pids[@]}"; do kill "$pid" 2>/dev/null; done
  rm -rf "$first_prefix" "$second_prefix" "$lanes"
}
trap finish EXIT

# A private X display from :95 up, one for each lane below.
display=95
start_display() {
  while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pids+=($!)
  for _ in $(seq 50); do DISPLAY=":$display" xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  started_display=":$display"
  display=$((display + 1))
}
start_display; first_display=$started_display
start_display; second_display=$started_display

# No .NET or HTML engine to install, and no sound card to look for: the game
# then plays silently, as it does on a PC without one.
export DISPLAY="$first_display" WINEDEBUG=-all \
       WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv=d"

make_prefix() {  # prefix
  WINEPREFIX="$1" wineserver -p  # kept running from here to the end, so each program starts quickly
  WINEPREFIX="$1" wineboot -i >/dev/null 2>&1
}
started=$SECONDS
make_prefix "$first_prefix" &
first_prefix_made=$!
make_prefix "$second_prefix"
wait "$first_prefix_made"
echo "test-windows: Wine prefixes made in $((SECONDS - started)) s"

# The programs draw through the real back end: Windows' own video driver on
# the X display, silent audio. A program that hangs fails after 10 minutes
# instead of holding up the whole run.
run_tests() {  # suite...
  local suite status=0
  for suite in "$@"; do
    if (cd build/win64/tests && SDL_VIDEODRIVER=windows SDL_AUDIODRIVER=dummy \
          timeout 600 wine "test_$suite.exe" --gtest_brief=1); then
      echo "test-windows: test_$suite.exe passed"
    else
      echo "test-windows: test_$suite.exe FAILED"
      status=1
    fi
  done
  return $status
}
play() {
  scripts/windows/play-under-wine.sh build/Marrowick-win64 "${MARROWICK_SHOTS:-build/win64-shots}"
}

# Each program runs mostly on one core: two lanes, each on a display and a
# Wine server of its own so that neither's windows and keys meet the other's,
# take about as long.
started=$SECONDS
( export DISPLAY="$first_display" WINEPREFIX="$first_prefix"
  run_tests puzzle services && touch "$lanes/first.passed" ) >"$lanes/first" 2>&1 &
first_lane=$!
second_passed=0
( export DISPLAY="$second_display" WINEPREFIX="$second_prefix"
  run_tests platform && play ) >"$lanes/second" 2>&1 && second_passed=1
wait "$first_lane" || true
cat "$lanes/first" "$lanes/second"
echo "test-windows: test programs and the end-to-end run took $((SECONDS - started)) s under Wine"
[ -f "$lanes/first.passed" ] && [ $second_passed = 1 ]
