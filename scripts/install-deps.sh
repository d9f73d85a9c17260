#!/usr/bin/env bash
# Installs the Debian packages that one purpose needs, and only those:
#   play     building the game and playing it (play.sh)
#   package  that, and building the Debian package (scripts/make-deb.sh)
#   test     building everything and running every check (test.sh)
# Does nothing when they are all there already, so it is cheap to run every time.
#   scripts/install-deps.sh [play|package|test]      (default test)
#   scripts/install-deps.sh --list play|package|test|debian13
# --list prints the packages one a line and installs nothing; `debian13` is what
# the Debian 13 root of scripts/debian13.sh holds.
set -euo pipefail

# Building and playing.
play=(
  g++ cmake ninja-build pkgconf
  qt6-base-dev libgl-dev libfontconfig-dev
  # Russian texts in the toolkit's own dialogs.
  qt6-translations-l10n
  # Native windows on a Wayland desktop (without it Qt falls back to XWayland).
  qt6-wayland
  # Dialogs placed over their window by GNOME's compositor: the toolkit's native
  # Wayland handles (its platform headers) and the Wayland client library.
  qt6-base-private-dev libwayland-dev
)

# The Debian packages (scripts/make-deb.sh): dpkg-buildpackage and debhelper; the
# build runs the suite too, so `package` also installs the suite's packages below.
# debian/control's Build-Depends must all be here (the debian_package test checks).
package=(build-essential dpkg-dev debhelper)

# What the unit and toolkit suite (ctest) needs besides building: the tests, the
# benchmarks built beside them, the decimal-comma locale, the validators of the
# installed tree, and the faces the art program letters the title and logos in.
# These also go into the Debian 13 root.
suite=(
  libgtest-dev libgmock-dev libbenchmark-dev
  locales desktop-file-utils appstream
  fonts-dejavu-core fonts-dejavu-extra
)

# The game in a real X server (scripts/x-test.sh) and the start-up probe
# (bench/startup.sh). These also go into the Debian 13 root.
xserver=(xvfb openbox xdotool x11-xserver-utils imagemagick libxcb-damage0-dev)

# ---------------------------------------------------------------------------------
# TEST-ONLY PACKAGES: further checks append what they need here.
#   suite_extra: needed by ctest itself; also installed in the Debian 13 root.
#   checks_extra: needed by checks that run on this machine only (test.sh), not
#   inside the Debian 13 root.
suite_extra=(
  # Qt's private headers switch the platform's accessibility on in the headless
  # accessibility tests.
  qt6-base-private-dev
)
checks_extra=(
  # Sanitizer and fuzzing builds (clang, libFuzzer).
  clang libclang-rt-dev
  # The Debian 13 run (scripts/debian13.sh).
  mmdebstrap
  # The Debian packages' checks (scripts/deb-checks.sh): lint, the build log's and
  # the binary's hardening, the installed game's tests (debian/tests, which also
  # need xauth for xvfb-run), and a second build at another time for reproducibility.
  lintian blhc devscripts autopkgtest xauth faketime
  # The screen reader's view (scripts/a11y-test.sh): the accessibility bus, a
  # private session bus and pyatspi walk the real game's tree.
  at-spi2-core dbus-daemon python3-pyatspi
  # The round played through the real Orca (scripts/a11y-test.sh): Orca, its speech
  # server with the espeak-ng voice and libao's null output, and the settings
  # store that holds the desktop's accessibility switch (gsettings).
  orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng libao4
  libglib2.0-bin dconf-service dconf-gsettings-backend
  # The game on native Wayland (scripts/wayland-test.sh): a headless compositor and
  # its screenshots, and what the virtual pointer and keyboard are built from
  # (protocol code by wayland-scanner).
  sway grim jq wayland-protocols libwayland-dev libwayland-bin libxkbcommon-dev
  # The game under GNOME's and KDE's compositors (scripts/desktop-test.sh), nested
  # in Xvfb, with KDE's own title bars.
  mutter kwin-wayland kwin-style-breeze
)
# ---------------------------------------------------------------------------------

# Inside the Debian 13 root the compiler cache keeps repeated runs short; the
# Debian packages are built, linted and tested there too.
debian13=("${play[@]}" "${package[@]}" "${suite[@]}" "${xserver[@]}" "${suite_extra[@]}" ccache
  lintian blhc devscripts autopkgtest xauth)

list() {
  case $1 in
    play) printf '%s\n' "${play[@]}" ;;
    package) printf '%s\n' "${play[@]}" "${package[@]}" "${suite[@]}" "${suite_extra[@]}" ;;
    test) printf '%s\n' "${play[@]}" "${package[@]}" "${suite[@]}" "${xserver[@]}" \
      "${suite_extra[@]}" "${checks_extra[@]}" ;;
    debian13) printf '%s\n' "${debian13[@]}" ;;
    *) echo "install-deps: unknown purpose '$1' (play, package, test or debian13)" >&2; return 2 ;;
  esac
}

if [ "${1:-}" = --list ]; then
  list "${2:?install-deps: --list needs a purpose}"
  exit
fi

mapfile -t packages < <(list "${1:-test}")
[ ${#packages[@]} -gt 0 ] || exit 2
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
