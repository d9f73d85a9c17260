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
  # --- test only: the game on native Wayland (scripts/wayland-test.sh) ---
  # A headless compositor and its screenshots, Qt's Wayland plugin, and what the
  # virtual pointer and keyboard are built from (protocol code by wayland-scanner).
  sway grim jq qt6-wayland wayland-protocols libwayland-dev libwayland-bin libxkbcommon-dev
  # --- end of the Wayland test's packages ---
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
