#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite headless:
# the unit and toolkit tests with a bounded random play, the same tests built with
# AddressSanitizer and UndefinedBehaviorSanitizer, a bounded fuzz run, the real
# game in a real X server, on a headless Wayland compositor and under GNOME's and
# KDE's compositors, played by its pixels, the game read as a screen reader reads
# it and played through Orca, the Debian packages built, linted, tested installed
# and built again to the same bytes, and the build, suite, X-server test and
# packages once more on Debian 13 (in a root of its own, scripts/debian13.sh).
set -euo pipefail
cd "$(dirname "$0")"
# Each step says how long it took, so a slow one shows in CI's log.
step() {
  local started=$SECONDS
  "$@"
  echo "== $* : $((SECONDS - started)) s"
}
step scripts/install-deps.sh test
# The accessibility tests need Qt's private headers, which the test packages bring.
export DROVANTA_A11Y_TESTS=ON
step scripts/build.sh
export QT_QPA_PLATFORM=offscreen
step ctest --test-dir build --output-on-failure -j"$(nproc)"
step scripts/sanitize.sh
step scripts/fuzz.sh 60
step scripts/x-test.sh 120
step scripts/wayland-test.sh 60
step scripts/desktop-test.sh
step scripts/a11y-test.sh
# The suite has run: the package builds leave it out.
step env DEB_BUILD_OPTIONS=nocheck scripts/deb-checks.sh
step scripts/debian13.sh 60
echo "== the whole run: $SECONDS s"
