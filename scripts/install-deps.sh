#!/usr/bin/env bash
# Installs the Debian packages that building, playing and testing need.
# Does nothing when they are all there already, so it is cheap to run every time.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-translations-l10n libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  locales libfontconfig-dev
  desktop-file-utils appstream
  # The art program letters the title and the logos in DejaVu Sans Bold (Oblique).
  fonts-dejavu-core fonts-dejavu-extra
  # The checks beyond the unit tests: sanitizer and fuzzing builds (clang, libFuzzer),
  # and the game in a real X server (also the start-up probe's).
  clang libclang-rt-14-dev
  xvfb openbox xdotool x11-xserver-utils imagemagick libxcb-damage0-dev
  # --- for the tests only: the screen reader's view (scripts/a11y-test.sh) ---
  # Qt's private headers switch the platform's accessibility on in the headless
  # accessibility tests; the accessibility bus, a private session bus and pyatspi
  # walk the real game's tree.
  qt6-base-private-dev
  at-spi2-core dbus-daemon python3-pyatspi
  # --- end of the screen reader's block ---
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then sudo=sudo; else sudo=; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
