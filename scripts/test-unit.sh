#!/usr/bin/env bash
# The unit stage: builds the game and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every test under ctest. Arguments go to
# ctest: scripts/test-unit.sh -L display runs the display tests only.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset test >/dev/null
cmake --build --preset test
ctest --preset test "$@"
