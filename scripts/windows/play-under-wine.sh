#!/usr/bin/env bash
# End-to-end run of the packaged Windows game under Wine on an X display:
# reaches the main menu, plays level 0 with key presses, goes back to the menu,
# quits there, and checks the files the game keeps beside itself.
#   play-under-wine.sh <package folder> <screenshot folder>
# Expects WINEPREFIX and DISPLAY set up by the caller (scripts/test-windows.sh).
set -euo pipefail
package="$1" shots="$2"
mkdir -p "$shots"
work="$(mktemp -d /tmp/marrowick-play.XXXXXX)"
game_pid=""
finish() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  rm -rf "$work"
}
trap finish EXIT
cp -r "$package" "$work/game"

fail() { echo "play-under-wine: FAILED: $*" >&2; exit 1; }

# The spread of grey levels in a screenshot: 0 for a blank screen.
spread() { convert "$1" -colorspace Gray -format '%[fx:standard_deviation]' info:; }

shot() {
  import -window root "$shots/$1.png"
  echo "play-under-wine: $1.png (spread $(spread "$shots/$1.png"))"
}

# Keys go through the X server's test extension, as a keyboard's would. The
# game reads arrows and Enter as held keys once a frame, and a frame can be
# slow under Wine's software OpenGL: a key let go within one frame is never
# seen held. So those keys are held for most of a second; menu moves count
# presses and are tapped, or a held key would repeat.
press() {
  for key in "$@"; do
    xdotool keydown "$key"
    sleep "${hold:-0.8}"
    xdotool keyup "$key"
    sleep "${pause:-0.5}"
  done
}

level0_state() { od -An -tu1 -N1 "$work/game/save0.dat" 2>/dev/null | tr -d ' '; }

(cd "$work/game" && exec wine marrowick.exe >"$work/game.log" 2>&1) &
game_pid=$!

window=""
for _ in $(seq 120); do
  window="$(xdotool search --onlyvisible --class marrowick 2>/dev/null | head -n1 || true)"
  [ -n "$window" ] && break
  kill -0 "$game_pid" 2>/dev/null || fail "the game ended before opening its window: $(cat "$work/game.log")"
  sleep 0.5
done
[ -n "$window" ] || fail "no game window after 60 s"
xdotool windowfocus --sync "$window" 2>/dev/null || true

# The game runs slower than the clock on a loaded machine, so each step waits
# for the screen to show that the game has moved on rather than for a time.
grab() { import -window root "$work/$1.png"; }
# True once the screen differs from the grab named in more than 5% of its pixels.
differs_from() {
  grab now
  local pixels
  pixels="$(compare -metric AE -fuzz 8% "$work/$1.png" "$work/now.png" null: 2>&1 || true)"
  awk -v p="${pixels%% *}" 'BEGIN { exit !(p > 0.05 * 1024 * 768) }'
}
wait_for_change() {  # grab name, seconds
  for _ in $(seq $(($2 * 2))); do differs_from "$1" && return 0; sleep 0.5; done
  return 1
}
# Presses a key until the screen changes, for screens that ignore keys while they fade in.
press_until_change() {  # key, what
  grab before
  for _ in 1 2 3 4 5 6; do
    press "$1"
    wait_for_change before 5 && return 0
  done
  fail "$2 did not react to $1"
}

for _ in $(seq 60); do
  sleep 1
  grab logo
  awk -v s="$(spread "$work/logo.png")" 'BEGIN { exit !(s > 0.05) }' && break
done
awk -v s="$(spread "$work/logo.png")" 'BEGIN { exit !(s > 0.05) }' || fail "the screen stayed blank"
# The logo holds for two seconds, then the main menu fades in.
wait_for_change logo 60 || fail "the logo never gave way to the menu"
sleep 5
shot 1-main-menu
awk -v s="$(spread "$shots/1-main-menu.png")" 'BEGIN { exit !(s > 0.05) }' || fail "the main menu is blank"

press_until_change Return "the main menu"     # Play
sleep 5
shot 2-level-0
press Return            # closes the hint page over the first level, if Play's Enter has not
sleep 5
# Level 0: right along the start row, up the last column, right into the exit.
# Should a move still be lost (a key that comes while the ball rolls is not
# taken), R restarts the level and the moves are played again.
attempt=1
while true; do
  pause=4 press Right Up Right
  for _ in $(seq 20); do [ "$(level0_state)" = 1 ] && break; sleep 0.5; done
  [ "$(level0_state)" = 1 ] && break
  [ $attempt -ge 4 ] && { shot 3-not-solved; fail "level 0 was not solved in $attempt attempts"; }
  attempt=$((attempt + 1))
  pause=4 press r
done
echo "play-under-wine: level 0 solved (attempt $attempt)"
sleep 4
shot 3-after-level-0
press_until_change Escape "the level"        # back to the menu
sleep 5
shot 4-menu-again
# Quit with the mouse, which picks the button whatever the keys last chose:
# the pointer over "Quit" (its place in the 800 x 600 window), the button held
# for the game to see it, again should the menu still have been fading in.
xdotool mousemove --window "$window" 146 559
for _ in 1 2 3; do
  xdotool mousedown 1
  sleep 0.8
  xdotool mouseup 1
  for _ in $(seq 20); do
    kill -0 "$game_pid" 2>/dev/null || break 2
    sleep 0.5
  done
done
kill -0 "$game_pid" 2>/dev/null && fail "the game did not quit from the menu"
wait "$game_pid" || fail "the game exited with status $?: $(cat "$work/game.log")"
game_pid=""

size() { stat -c %s "$work/game/$1" 2>/dev/null || echo missing; }
[ "$(size save0.dat)" = 510 ] || fail "save0.dat is $(size save0.dat) bytes, not 510"
[ "$(size options.dat)" = 12 ] || fail "options.dat is $(size options.dat) bytes, not 12"
[ "$(size uniqueID.idn)" = 6 ] || fail "uniqueID.idn is $(size uniqueID.idn) bytes, not 6"
[ "$(level0_state)" = 1 ] || fail "level 0 is not recorded as solved in save0.dat (state $(level0_state))"
leftovers="$(find "$work/game" -maxdepth 1 -name '*.tmp')"
[ -z "$leftovers" ] || fail "temporary files left behind: $leftovers"
echo "play-under-wine: level 0 solved and saved; save0.dat, options.dat and uniqueID.idn written"
