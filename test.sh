#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite headless:
# the unit and toolkit tests with a bounded random play, the same tests built with
# AddressSanitizer and UndefinedBehaviorSanitizer, a bounded fuzz run, the real
# game in a real X server and on a headless Wayland compositor, played by its
# pixels, the game read as a screen reader reads it, and the build, suite and
# X-server test once more on Debian 13 (in a root of its own, scripts/debian13.sh).
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh test
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
scripts/sanitize.sh
scripts/fuzz.sh 60
scripts/x-test.sh 120
scripts/wayland-test.sh 60
scripts/a11y-test.sh
scripts/debian13.sh 60
