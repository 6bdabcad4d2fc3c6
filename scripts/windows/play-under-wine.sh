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

press() {  # keys, each followed by a pause long enough for the game to see it
  for key in "$@"; do
    xdotool key --window "$window" "$key"
    sleep 0.4
  done
}

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

# The logo holds for two seconds, then the menu fades in over the level.
menu_seen=0
for _ in $(seq 60); do
  sleep 1
  import -window root "$work/now.png"
  if awk -v s="$(spread "$work/now.png")" 'BEGIN { exit !(s > 0.05) }'; then menu_seen=1; break; fi
done
[ $menu_seen = 1 ] || fail "the screen stayed blank"
sleep 4
shot 1-main-menu
awk -v s="$(spread "$shots/1-main-menu.png")" 'BEGIN { exit !(s > 0.05) }' || fail "the main menu is blank"

press Return            # Play
sleep 2
shot 2-level-0
press Return            # closes the hint page over the first level
sleep 1
press Up Right          # level 0: up to the top row, then right into the exit
sleep 4
shot 3-after-level-0
press Escape            # back to the menu
sleep 2
shot 4-menu-again
press Up Return         # from Play up to Quit (the list wraps)

for _ in $(seq 60); do
  kill -0 "$game_pid" 2>/dev/null || break
  sleep 0.5
done
kill -0 "$game_pid" 2>/dev/null && fail "the game did not quit from the menu"
wait "$game_pid" || fail "the game exited with status $?: $(cat "$work/game.log")"
game_pid=""

size() { stat -c %s "$work/game/$1" 2>/dev/null || echo missing; }
[ "$(size save0.dat)" = 510 ] || fail "save0.dat is $(size save0.dat) bytes, not 510"
[ "$(size options.dat)" = 12 ] || fail "options.dat is $(size options.dat) bytes, not 12"
[ "$(size uniqueID.idn)" = 6 ] || fail "uniqueID.idn is $(size uniqueID.idn) bytes, not 6"
level0="$(od -An -tu1 -N1 "$work/game/save0.dat" | tr -d ' ')"
[ "$level0" = 1 ] || fail "level 0 is not recorded as solved in save0.dat (state $level0)"
leftovers="$(find "$work/game" -maxdepth 1 -name '*.tmp')"
[ -z "$leftovers" ] || fail "temporary files left behind: $leftovers"
echo "play-under-wine: level 0 solved and saved; save0.dat, options.dat and uniqueID.idn written"
