#!/usr/bin/env bash
# The checkout on Debian 13 (GCC 14, Qt 6.8, AppStream 1.0): builds it from clean in
# a Debian 13 root, with every compiler warning an error, then runs the unit and
# toolkit suite (ctest, offscreen) and the real game in a virtual X server there,
# and builds, lints and tests the Debian packages (scripts/make-deb.sh, autopkgtest).
#   scripts/debian13.sh [seconds of random play in X, default 60]
# Needs root and mmdebstrap (scripts/install-deps.sh test installs it). The root comes
# from Debian's archive through this machine's own mirror (its apt sources, or
# DROVANTA_DEBIAN_MIRROR). It is made once and kept under DROVANTA_DEBIAN13_CACHE
# (default /var/cache/drovanta-debian13) for later runs: a new package list, another
# mirror or a week of age makes a fresh one. Each run builds in a fresh copy of the
# checkout inside it and removes that copy afterwards, keeping its logs (and the X
# test's screens) in build-debian13/.
set -euo pipefail
cd "$(dirname "$0")/.."
checkout=$PWD
play_seconds=${1:-60}
cache=${DROVANTA_DEBIAN13_CACHE:-/var/cache/drovanta-debian13}
max_age_days=7

started=$(date +%s)
log() { printf '[debian13 %4ds] %s\n' "$(($(date +%s) - started))" "$*"; }
die() { log "FAILED: $*"; exit 1; }

[ "$(id -u)" -eq 0 ] || die "needs root (mounts and chroot)"
command -v mmdebstrap >/dev/null || die "needs mmdebstrap (apt-get install mmdebstrap)"

# --- the mirror: the one this machine's apt takes its own release from ---------------
mirror=${DROVANTA_DEBIAN_MIRROR:-}
if [ -z "$mirror" ]; then
  codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
  mirror=$(apt-get indextargets --format '$(RELEASE) $(TARGET_OF) $(REPO_URI)' 'Identifier: Packages' |
    awk -v r="$codename" '$1 == r && $2 == "deb" { print $3; exit }')
fi
[ -n "$mirror" ] || die "no Debian mirror in this machine's apt sources; set DROVANTA_DEBIAN_MIRROR"
mapfile -t packages < <(scripts/install-deps.sh --list debian13)
[ ${#packages[@]} -gt 0 ] || die "no package list"

# --- the root: made once per package list and mirror, kept for a week -------------------
mkdir -p "$cache"
exec 9>"$cache/lock"
flock 9 # one run at a time on this machine: they share the root
key=$(printf '%s\n' trixie "$mirror" "${packages[@]}" | sha256sum | cut -c1-16)
root=$cache/root-$key

# Nothing may be removed from a root while something is mounted inside it.
mounted_under() { findmnt -rn -o TARGET | grep -q "^$1/"; }
remove_root() {
  if mounted_under "$1"; then die "$1 still has mounts; not removing it"; fi
  rm -rf --one-file-system "$1"
}

if [ -d "$root" ] && [ -n "$(find "$root/.made" -mtime +"$max_age_days" 2>/dev/null)" ]; then
  log "the Debian 13 root is older than $max_age_days days: making it anew"
  remove_root "$root"
fi
for old in "$cache"/root-*; do
  if [ -e "$old" ] && [ "$old" != "$root" ]; then remove_root "$old"; fi
done
if [ ! -f "$root/.made" ]; then
  log "making a Debian 13 root from $mirror (${#packages[@]} packages)"
  if [ -e "$root" ]; then remove_root "$root"; fi
  rm -rf --one-file-system "$root.new"
  joined=$(IFS=,; echo "${packages[*]}")
  mmdebstrap --variant=apt --dpkgopt=force-unsafe-io --include="$joined" trixie "$root.new" "$mirror" \
    </dev/null >"$cache/mmdebstrap.log" 2>&1 || {
    tail -30 "$cache/mmdebstrap.log"
    rm -rf --one-file-system "$root.new"
    die "mmdebstrap"
  }
  date -u >"$root.new/.made"
  mv "$root.new" "$root"
  log "root made: $(du -sh --one-file-system "$root" | cut -f1)"
else
  log "reusing the Debian 13 root made $(cat "$root/.made")"
fi

# --- mounts and the copy of the checkout, undone whatever happens ---------------------
work=/srv/drovanta
logs=$checkout/build-debian13
rm -rf "$logs"
mounts=()
cleanup() {
  local status=$? i
  if [ -d "$root$work" ]; then
    mkdir -p "$logs"
    cp -a "$root$work"/*.log "$logs/" 2>/dev/null || true
    cp -a "$root$work/build/x-test" "$logs/" 2>/dev/null || true
  fi
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
    umount "${mounts[i]}" 2>/dev/null || umount -l "${mounts[i]}" || status=1
  done
  if mounted_under "$root"; then
    log "something is still mounted in $root"
    status=1
  else
    rm -rf --one-file-system "${root:?}$work"
  fi
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

bind() {
  mkdir -p "$root$1"
  mount --bind "$1" "$root$1"
  mounts+=("$root$1")
}
bind /proc
bind /sys
bind /dev
bind /dev/pts
if mountpoint -q /dev/shm; then bind /dev/shm; fi
# The compiler cache lives beside the root, so that a root made anew (another
# package list, a week gone) starts with it warm.
mkdir -p "$cache/ccache" "$root/var/cache/ccache"
mount --bind "$cache/ccache" "$root/var/cache/ccache"
mounts+=("$root/var/cache/ccache")

# Exactly what the checkout holds (tracked files and new ones git does not ignore),
# without its build folders; a tree that is not a git checkout is copied whole.
rm -rf --one-file-system "${root:?}$work"
mkdir -p "$root$work"
if git -C "$checkout" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git -C "$checkout" ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
    tar --null -T - -cf - | tar -xf - -C "$root$work"
else
  tar --exclude='./build*' -cf - . | tar -xf - -C "$root$work"
fi
log "checkout copied: $(find "$root$work" -type f | wc -l) files"

# The X server inside shares this machine's network namespace, so its display number
# must be free out here too (abstract sockets included). DROVANTA_X_DISPLAY names the
# first one to try (":150"), as for the X-server test.
display=
first_display=${DROVANTA_X_DISPLAY:-:140}
for n in $(seq "${first_display#:}" 199); do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || [ -e "$root/tmp/.X$n-lock" ] ||
    grep -q "@/tmp/.X11-unix/X$n\$" /proc/net/unix || { display=:$n; break; }
done
[ -n "$display" ] || die "no free X display between $first_display and :199"

# --- build and test inside ------------------------------------------------------------
inside() {
  chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" CCACHE_DIR=/var/cache/ccache \
    DROVANTA_X_DISPLAY="$display" bash -euo pipefail -c "cd $work && $1"
}
log "$(inside '. /etc/os-release && echo "$PRETTY_NAME; $(g++ --version | head -1);" \
  "Qt $(pkg-config --modversion Qt6Core); $(appstreamcli --version)"')"

log "building from clean (warnings are errors)"
inside 'cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DDROVANTA_A11Y_TESTS=ON \
  >build.log 2>&1 &&
  cmake --build build -j"$(nproc)" >>build.log 2>&1' || {
  tail -40 "$root$work/build.log"
  die "the build"
}
log "built"

log "the unit and toolkit suite"
inside 'QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$(nproc)" >ctest.log 2>&1' || {
  grep -v '^ *[0-9]*/[0-9]* Test *#[0-9]*: .* Passed' "$root$work/ctest.log" | tail -80
  die "ctest"
}
grep -E 'tests passed|Total Test time' "$root$work/ctest.log" | while read -r line; do log "$line"; done

log "the game in a virtual X server ($play_seconds s of random play)"
inside "scripts/x-test.sh $play_seconds" || die "the X-server test"

# The Debian packages, built as an archive builds them (the suite has just run: no
# second run inside the build), linted, installed and tested by autopkgtest, and
# the installed binary checked by hardening-check (scripts/check-hardening.sh); the
# root keeps no trace of the package.
log "the Debian packages"
inside 'DEB_BUILD_OPTIONS=nocheck scripts/make-deb.sh build-deb/package >deb.log 2>&1' || {
  tail -40 "$root$work/deb.log"
  die "building or linting the Debian packages"
}
log "built, lintian clean: $(tail -1 "$root$work/deb.log")"
inside 'trap "apt-get remove -y -qq drovanta >/dev/null 2>&1 || true" EXIT
  autopkgtest --output-dir build-deb/autopkgtest build-deb/package/drovanta_*.dsc build-deb/package/drovanta_*.deb -- null >autopkgtest.log 2>&1 &&
  scripts/check-hardening.sh /usr/games/drovanta build-deb/package/drovanta-*/obj-* >hardening-check.log 2>&1' || {
  tail -40 "$root$work/autopkgtest.log"
  cat "$root$work/hardening-check.log" 2>/dev/null || true
  die "autopkgtest or hardening-check of the installed package"
}
log "autopkgtest: $(grep -E '^smoke ' "$root$work/build-deb/autopkgtest/summary")"
while read -r line; do log "hardening-check: $line"; done < <(sed 1d "$root$work/hardening-check.log")

log "Debian 13: built, suite, X-server test and Debian packages passed"
