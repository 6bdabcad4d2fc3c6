#!/usr/bin/env bash
# Plays two levels with a key, locks and teleports through the real game loop
# (the audio end-to-end test), keeps what the audio device played, converts it
# to WAV with sox, prints sox's figures and draws a spectrogram.
#
#   scripts/listen-to-a-level.sh [output folder]     (default: build/listen)
#
# BUILD_DIR picks the build folder (default: build/listen-build).
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(realpath -m "${1:-$root/build/listen}")"
build="${BUILD_DIR:-$root/build/listen-build}"
mkdir -p "$out"

"$root/scripts/install-deps.sh" unit
cmake -S "$root" -B "$build" -DMARROWICK_TESTS=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target test_audio_e2e -j"$(nproc)" >/dev/null

raw="$out/level.raw"
wav="$out/level.wav"
png="$out/level-spectrogram.png"
rm -f "$raw" "$wav" "$png"

# ctest gives the test its environment; the recording is kept where we ask.
status=0
MARROWICK_AUDIO_RECORDING="$raw" ctest --test-dir "$build" -R '^ListeningSession\.' --output-on-failure -V \
  >"$out/test.log" 2>&1 || status=$?
grep -E '^[0-9]+: (recording|levels|music|ball|teleport|lock|restart|level solved|group finished|unexplained|largest)' \
  "$out/test.log" | sed 's/^[0-9]*: //' || true
[ -s "$raw" ] || { echo "no recording was written; see $out/test.log" >&2; exit 1; }

# The device's format, as the test printed it: 16-bit signed stereo at its rate.
rate="$(sed -n 's/.*frames of 16-bit signed stereo at \([0-9]*\) Hz.*/\1/p' "$out/test.log" | head -n1)"
rate="${rate:-44100}"
sox -t raw -r "$rate" -e signed -b 16 -c 2 -L "$raw" "$wav"

# stat reads interleaved samples as one stream, so each side is measured on
# its own for its deltas (sample-to-sample steps) to mean anything.
for side in 1 2; do
  echo
  echo "== sox stat, $([ $side = 1 ] && echo left || echo right) ($wav)"
  sox "$wav" -n remix "$side" stat 2>&1
done
echo "== sox stats (Flat factor 0 and a Pk count of a few: no clipped plateaus)"
sox "$wav" -n stats 2>&1
sox "$wav" -n spectrogram -x 1600 -y 513 -z 90 -t "Marrowick: levels 38-39 as the audio device played them" -o "$png"
echo
echo "WAV: $wav"
echo "spectrogram: $png"
[ "$status" -eq 0 ] || echo "the test failed; see $out/test.log" >&2
exit "$status"
