#!/usr/bin/env bash
# Builds into build/, configuring it first when needed.
#   scripts/build.sh          everything: the game, its tests, benchmarks and tools
#   scripts/build.sh play     the game alone; a fresh build/ is configured without
#                             tests and benchmarks, so their packages are not needed
set -euo pipefail
cd "$(dirname "$0")/.."
# The compiler cache, where installed, keeps rebuilds of other checkouts short.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
configure() { cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@"; }
case ${1:-all} in
  play)
    [ -f build/build.ninja ] || configure -DDROVANTA_TESTS=OFF -DDROVANTA_BENCH=OFF
    cmake --build build -j"$(nproc)" --target drovanta
    ;;
  all)
    # A build/ that play.sh configured gets its tests and benchmarks back.
    if [ ! -f build/build.ninja ] || grep -Eq '^DROVANTA_(TESTS|BENCH):BOOL=OFF' build/CMakeCache.txt; then
      configure -DDROVANTA_TESTS=ON -DDROVANTA_BENCH=ON
    fi
    # DROVANTA_A11Y_TESTS=ON in the environment (test.sh) adds the accessibility tests.
    if [ "${DROVANTA_A11Y_TESTS:-}" = ON ] && ! grep -q '^DROVANTA_A11Y_TESTS:BOOL=ON' build/CMakeCache.txt; then
      configure -DDROVANTA_A11Y_TESTS=ON
    fi
    cmake --build build -j"$(nproc)"
    ;;
  *) echo "usage: scripts/build.sh [play]" >&2; exit 2 ;;
esac
