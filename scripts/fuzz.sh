#!/usr/bin/env bash
# Fuzzes number texts and the interval box with libFuzzer for a while, under a
# decimal-comma locale; a broken property or a sanitizer report fails the run.
#   scripts/fuzz.sh [seconds, default 600]
# New inputs the fuzzer finds go to build-fuzz/corpus; fuzz/corpus holds the seeds.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
if [ ! -f build-fuzz/build.ninja ]; then
  launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S . -B build-fuzz -G Ninja -DDROVANTA_FUZZ=ON -DDROVANTA_TESTS=OFF -DDROVANTA_BENCH=OFF \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
    "${launcher[@]}" >/dev/null
fi
cmake --build build-fuzz -j"$(nproc)" --target drovanta_fuzz_numbers

locales=$(scripts/ru-locale.sh)
mkdir -p build-fuzz/corpus build-fuzz/crashes
export LOCPATH=$locales
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_OPTIONS=detect_leaks=0
log=build-fuzz/fuzz.log
status=0
build-fuzz/drovanta_fuzz_numbers -max_total_time="$seconds" -timeout=10 -max_len=256 \
  -print_final_stats=1 -artifact_prefix=build-fuzz/crashes/ \
  build-fuzz/corpus fuzz/corpus >"$log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
  tail -40 "$log"
  echo "fuzz: FAILED; the input that broke it is in build-fuzz/crashes/" >&2
  exit "$status"
fi
grep -E '^fuzzing numbers' "$log" || true
grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -1 || true
grep -E '^stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)' "$log" || true
