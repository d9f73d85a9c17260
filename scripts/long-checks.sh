#!/usr/bin/env bash
# The long runs of the checks that CI runs briefly: a million events of random
# play on each of three seeds, half an hour of fuzzing, ten minutes of random
# clicks and keys on the real game. Run after test.sh (or scripts/build.sh).
#   scripts/long-checks.sh [fuzz seconds, default 1800] [X seconds, default 600]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
for seed in 11 12 13; do build/drovanta_random_play --events 1000000 --seed "$seed"; done
scripts/fuzz.sh "${1:-1800}"
scripts/x-test.sh "${2:-600}"
