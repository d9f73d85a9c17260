#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite headless:
# the unit and toolkit tests with a bounded random play, the same tests built with
# AddressSanitizer and UndefinedBehaviorSanitizer, a bounded fuzz run, and the real
# game in a real X server and on a headless Wayland compositor.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
scripts/sanitize.sh
scripts/fuzz.sh 60
scripts/x-test.sh 120
scripts/wayland-test.sh 60
