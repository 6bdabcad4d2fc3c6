# Sourced by scripts/test-web.sh and bench/web/page-frame-bench.sh, which put
# the native game beside the page: a work folder (removed at exit), a private
# Xvfb display (DISPLAY exported, $display its number) and a copy of the
# release game in $work/native, so that its player files land in the copy.
# Whoever sources it starts the game there and sets game_pid; the game and
# the display are stopped at exit.
#
#   source scripts/web/native-beside-page.sh <name for the work folder>
work="$(mktemp -d "/tmp/marrowick-$1.XXXXXX")"
xvfb_pid="" game_pid=""
finish() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap finish EXIT

display=95
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
mkdir -p "$work/native"
cp -r build/release/marrowick build/release/media build/release/levels build/release/chest.ico "$work/native/"
