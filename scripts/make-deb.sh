#!/usr/bin/env bash
# Builds the Debian packages the way an archive builds them: dpkg-buildpackage on a
# clean copy of the checkout (what git tracks and new files it does not ignore),
# giving the source package, the game's package and its -dbgsym package. Lints
# them with lintian where it is installed, and prints the game's .deb path last.
#   scripts/make-deb.sh [folder, default build-deb/package]
# The build log goes beside the packages (drovanta_<version>_<arch>.build). The
# unit and toolkit suite runs in the build unless DEB_BUILD_OPTIONS holds nocheck.
# The compiler cache, where installed, serves the compiles; its keys hold the
# folder, so builds in two folders never share an object.
set -euo pipefail
cd "$(dirname "$0")/.."
checkout=$PWD
out=$(realpath -m "${1:-build-deb/package}")
# The folder is emptied first: never one that holds the checkout.
case $checkout/ in "$out"/*) echo "make-deb: $out holds the checkout" >&2; exit 2 ;; esac
scripts/install-deps.sh package

version=$(dpkg-parsechangelog -S Version)
arch=$(dpkg --print-architecture)
source=$out/drovanta-$version
rm -rf --one-file-system "$out"
mkdir -p "$source"
# Every file of the copy is dated now, as in a fresh clone: nothing in the packages
# may depend on when the checkout's files were last touched.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
    tar --null -T - -cf - | tar -xmf - -C "$source"
else
  tar --exclude='./build*' -cf - . | tar -xmf - -C "$source"
fi

if command -v ccache >/dev/null; then
  # debhelper gives the build a home of its own: the cache is named outright.
  export CCACHE_DIR=${CCACHE_DIR:-$(ccache -k cache_dir)}
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache CMAKE_C_COMPILER_LAUNCHER=ccache
fi
export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:+$DEB_BUILD_OPTIONS }parallel=$(nproc)"
log=$out/drovanta_${version}_$arch.build
(cd "$source" && dpkg-buildpackage -us -uc) >"$log" 2>&1 || {
  tail -60 "$log" >&2
  echo "make-deb: dpkg-buildpackage failed; the whole log is $log" >&2
  exit 1
}

if command -v lintian >/dev/null; then
  lintian --fail-on error,warning "$out/drovanta_${version}_$arch.changes"
fi
echo "$out/drovanta_${version}_$arch.deb"
