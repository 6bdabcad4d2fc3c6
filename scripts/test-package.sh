#!/usr/bin/env bash
# Builds the Debian package from the release build, checks it with lintian and
# its desktop entry and AppStream metadata with their validators, unpacks it
# into a temporary root (the machine's own packages stay untouched) and plays it
# from there on Xvfb as a user who cannot write the installed files: the game
# must reach level 0, solve it, quit, and leave its save, options and
# identifier in the player's own data folder.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset release >/dev/null
cmake --build --preset release
(cd build/release && cpack -G DEB >/dev/null)
deb=$(ls -t build/release/marrowick_*.deb | head -1)
echo "package: $deb"

work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "package test: $*" >&2; [ -f "$work/game.log" ] && tail -20 "$work/game.log" >&2; exit 1; }

# Errors and warnings fail; the info tags that stay are named, with why, in
# the README's packaging notes.
lintian_status=0
lintian --fail-on error,warning --display-info "$deb" >"$work/lintian.log" 2>&1 || lintian_status=$?
grep -v "running with root privileges" "$work/lintian.log" || true
[ $lintian_status -eq 0 ] || fail "lintian found errors or warnings"

root="$work/root"
dpkg -x "$deb" "$root"
dpkg-deb -f "$deb" Depends | grep -q libsdl2 || fail "the package does not depend on SDL2"
desktop-file-validate "$root/usr/share/applications/org.marrowick.Marrowick.desktop"
appstreamcli validate --no-net --pedantic --strict "$root/usr/share/metainfo/org.marrowick.Marrowick.metainfo.xml" \
  || fail "AppStream metadata does not validate"
for size in 16 24 32 48 64 128 256 512; do
  [ -s "$root/usr/share/icons/hicolor/${size}x${size}/apps/org.marrowick.Marrowick.png" ] || fail "no ${size} px icon"
done
[ -x "$root/usr/games/marrowick" ] || fail "no game in usr/games"
[ ! -e "$root/usr/games/marrowick-dev" ] && [ ! -e "$root/usr/games/mkmedia" ] || fail "tools were installed"

# The player: "nobody", with a home of its own; the installed tree is root's.
player_home="$work/home"
mkdir -p "$player_home"
chown 65534:65534 "$player_home"
chmod 755 "$work"
data_home="$player_home/.local/share"
saves="$data_home/marrowick"

display=":$((90 + RANDOM % 9))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done

setpriv --reuid=65534 --regid=65534 --clear-groups \
  env -i PATH=/usr/bin:/bin HOME="$player_home" XDG_DATA_HOME="$data_home" DISPLAY="$display" \
  SDL_AUDIODRIVER=dummy MARROWICK_DEBUGLOG=1 "$root/usr/games/marrowick" >"$work/game.log" 2>&1 &
game_pid=$!

wait_for_line() {  # text, seconds
  for _ in $(seq $(($2 * 10))); do
    grep -qF "$1" "$work/game.log" 2>/dev/null && return 0
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended early"
    sleep 0.1
  done
  fail "no \"$1\" within $2 s"
}
wait_for_line "start at level 0" 30
window=$(DISPLAY=$display xdotool search --sync --onlyvisible --name Marrowick | head -1)
# Each key is held for a few frames: the game reads held keys once a frame, and
# a press and release sent in the same millisecond can fall between two frames.
key() {
  DISPLAY=$display xdotool keydown --window "$window" "$1"
  sleep 0.15
  DISPLAY=$display xdotool keyup --window "$window" "$1"
  sleep 0.25
}

solved() { [ -f "$saves/save0.dat" ] && [ "$(od -An -tu1 -N1 "$saves/save0.dat" | tr -d ' ')" = 1 ]; }
key space                # past the logo
# Enter plays from the main menu, closes the first hint page and does nothing
# in play; screens take keys only once they have faded in, so it is pressed
# until level 0 is solved (up to the top row, then right into the exit).
for attempt in 1 2 3 4 5 6; do
  sleep 1
  key Return
  sleep 1
  key Return
  key Up
  key Right
  for _ in $(seq 20); do solved && break; sleep 0.1; done
  solved && break
  key r                  # back to the start for another try
done
solved || fail "level 0 was not solved"
kill -TERM "$game_pid"
wait "$game_pid" || fail "the game did not end cleanly"
game_pid=""

grep -q "your progress is kept in $saves" "$work/game.log" || fail "the game did not say where it saves"
[ "$(stat -c %s "$saves/save0.dat")" = 510 ] || fail "no save0.dat in $saves"
[ "$(stat -c %s "$saves/options.dat")" = 12 ] || fail "no options.dat in $saves"
[ "$(stat -c %s "$saves/uniqueID.idn")" = 6 ] || fail "no uniqueID.idn in $saves"
[ -z "$(find "$root" -newer "$deb" -type f)" ] || fail "the game wrote into its installed files"
echo "package test: passed ($(du -h "$deb" | cut -f1))"
