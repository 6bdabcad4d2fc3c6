#!/usr/bin/env bash
# The fuzz stage: builds every fuzzer with clang and runs each for a short
# while (FUZZ_SECONDS in the fuzz preset's cache) and every regression file
# once. scripts/fuzz.sh runs them longer.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz "$@"
