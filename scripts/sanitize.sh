#!/usr/bin/env bash
# Builds every test binary with AddressSanitizer and UndefinedBehaviorSanitizer
# into build-asan/ and runs the whole suite headless; any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build-asan/build.ninja ]; then
  launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S . -B build-asan -G Ninja -DDROVANTA_SANITIZE=ON -DDROVANTA_BENCH=OFF \
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
    -DDROVANTA_RANDOM_PLAY_EVENTS=20000 "${launcher[@]}" >/dev/null
fi

# Set before the build too: listing the tests runs the binaries.
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# use_tls=0: GCC's leak checker crashes reading glibc's dynamic thread-local storage.
export LSAN_OPTIONS=use_tls=0:suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
# Everything but the benchmarks: the suite also installs the game, checks its
# command line and that the art program still draws what assets/ holds.
cmake --build build-asan -j"$(nproc)"
ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
