#!/usr/bin/env bash
# fuzz.sh [SECONDS] [TARGET...]: builds the fuzzers and runs each (all when none
# is named) for SECONDS, 600 unless given, two at a time. A finding does not stop
# a run: every input that crashed, leaked, took over 1 s or over 256 MB is kept
# under build/fuzz/fuzz/findings/<start time>/<target>/, and a table of runs and
# findings is printed at the end. New inputs grow build/fuzz/fuzz/corpus/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
shift || true
command -v clang++ >/dev/null 2>&1 || { echo "fuzz.sh: the fuzzers need clang (scripts/install-deps.sh fuzz)" >&2; exit 1; }

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
fuzz=$PWD/build/fuzz/fuzz
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for program in "$fuzz"/fuzz_*; do targets+=("${program##*/fuzz_}"); done
fi
findings=$fuzz/findings/$(date -u +%Y%m%d-%H%M%S)

run() {
  local target=$1 out=$findings/$1
  mkdir -p "$out" "$fuzz/corpus/$target"
  "$fuzz/fuzz_$target" -fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 \
    -rss_limit_mb=256 -timeout=1 -max_total_time="$seconds" -artifact_prefix="$out/" \
    "$fuzz/corpus/$target" "$fuzz/seeds/$target" >"$out/log" 2>&1 || true
}

echo "Fuzzing ${targets[*]} for $seconds s each, two at a time; findings in $findings"
for target in "${targets[@]}"; do
  [ "$(jobs -rp | wc -l)" -ge 2 ] && wait -n
  run "$target" &
done
wait

count() { find "$findings/$1" -name "$2-*" | wc -l; }
failed=0
printf '%-11s %12s %8s %6s %9s %5s\n' target runs crashes leaks timeouts OOMs
for target in "${targets[@]}"; do
  runs=$(grep -o '^#[0-9]*' "$findings/$target/log" | tail -1 | tr -d '#')
  row=("$(count "$target" crash)" "$(count "$target" leak)" "$(count "$target" timeout)" "$(count "$target" oom)")
  printf '%-11s %12s %8s %6s %9s %5s\n' "$target" "${runs:-0}" "${row[@]}"
  [ "${row[*]}" = "0 0 0 0" ] || failed=1
done
exit $failed
