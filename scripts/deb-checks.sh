#!/usr/bin/env bash
# The Debian packages as an archive builds, lints and tests them, every check a
# failure when it finds a fault:
#   - scripts/make-deb.sh builds them from a clean copy into build-deb/first/;
#   - the game's package holds exactly the installed tree, depends on the libraries
#     it links and recommends the toolkit's translations and Wayland plugin; its
#     -dbgsym package holds the debug symbols of that very binary;
#   - lintian finds no error, warning or pedantic tag in the .changes (the source
#     package and both binary packages);
#   - blhc finds every hardening flag on every compile and link of the build log,
#     stack clash and control-flow protection included;
#   - autopkgtest installs the package on this machine and runs debian/tests (its
#     null runner), then hardening-check passes on the installed binary
#     (scripts/check-hardening.sh says how two of its items are judged);
#     the package is removed again unless it was installed before;
#   - a second build, from a copy in another, deeper folder made later, run 400 days
#     ahead by faketime and with a compiler cache of its own, gives byte-identical
#     packages.
#   scripts/deb-checks.sh        (as root: autopkgtest installs packages)
# DEB_BUILD_OPTIONS passes through to both builds (test.sh, which has run the suite
# already, sets nocheck).
set -euo pipefail
cd "$(dirname "$0")/.."
checkout=$PWD
work=$checkout/build-deb
started=$(date +%s)
log() { printf '[deb-checks %4ds] %s\n' "$(($(date +%s) - started))" "$*"; }
failures=0
fail() { log "FAIL: $*"; failures=$((failures + 1)); }
[ "$(id -u)" -eq 0 ] || { log "needs root: autopkgtest installs the package"; exit 1; }

version=$(dpkg-parsechangelog -S Version)
arch=$(dpkg --print-architecture)
first=$work/first
second=$work/second/a/deeper/folder

log "building the packages in $first"
deb=$(scripts/make-deb.sh "$first" | tail -1)
[ "$deb" = "$first/drovanta_${version}_$arch.deb" ] || { log "FAIL: make-deb.sh printed '$deb'"; exit 1; }
dbgsym=$first/drovanta-dbgsym_${version}_$arch.deb
changes=$first/drovanta_${version}_$arch.changes
build_log=$first/drovanta_${version}_$arch.build
for f in "$deb" "$dbgsym" "$changes" "$first/drovanta_$version.dsc" "$first/drovanta_$version.tar.xz"; do
  [ -f "$f" ] || { log "FAIL: no $(basename "$f")"; exit 1; }
done

# --- what apt reads from the package, and what it installs ------------------------
field() { dpkg-deb -f "$deb" "$1"; }
# A field's comma-separated entries, without version constraints.
entries() { field "$1" | tr ',' '\n' | sed 's/(.*)//; s/^ *//; s/ *$//' | sed '/^$/d'; }
[ "$(field Package)" = drovanta ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
for lib in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6dbus6 libfontconfig1 libwayland-client0 libstdc++6; do
  entries Depends | sed 's/t64$//' | grep -qxF "$lib" || fail "Depends lacks $lib: $(field Depends)"
done
[ "$(entries Recommends | sort | tr '\n' ' ')" = "qt6-translations-l10n qt6-wayland " ] ||
  fail "Recommends: $(field Recommends)"

id=org.drovanta.Drovanta
expected=(
  usr/games/drovanta
  "usr/share/applications/$id.desktop"
  "usr/share/metainfo/$id.metainfo.xml"
  usr/share/man/man6/drovanta.6.gz
  usr/share/doc/drovanta/copyright
  usr/share/doc/drovanta/changelog.gz
)
for s in 16 22 24 32 48 64 128 256; do expected+=("usr/share/icons/hicolor/${s}x${s}/apps/$id.png"); done
diff <(printf '%s\n' "${expected[@]}" | sort) \
  <(dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./||' | grep -v -e '/$' -e '^$' | sort) ||
  fail "the package's files differ from the installed tree (< missing, > unexpected)"

# The debug symbols are those of the packaged binary: the same build id.
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked/game"
dpkg-deb -x "$dbgsym" "$unpacked/dbgsym"
build_id=$(readelf -n "$unpacked/game/usr/games/drovanta" | sed -n 's/.*Build ID: *//p')
[ -n "$build_id" ] || fail "the game has no build id"
[ -f "$unpacked/dbgsym/usr/lib/debug/.build-id/${build_id:0:2}/${build_id:2}.debug" ] ||
  fail "drovanta-dbgsym holds no symbols for build id $build_id"
[ "$(dpkg-deb -f "$dbgsym" Depends)" = "drovanta (= $version)" ] ||
  fail "drovanta-dbgsym depends on '$(dpkg-deb -f "$dbgsym" Depends)'"
log "package fields, files and debug symbols checked"

# --- lint ---------------------------------------------------------------------------
status=0
lintian --fail-on error,warning,pedantic --pedantic --display-info "$changes" >"$first/lintian.log" 2>&1 || status=$?
# (its remark that it runs as root left out)
sed -i '/^running with root privileges/d' "$first/lintian.log"
if [ "$status" -eq 0 ]; then
  log "lintian: no error, warning or pedantic tag ($(grep -c '' "$first/lintian.log") notes)"
else
  cat "$first/lintian.log"
  fail "lintian"
fi
sed 's/^/  /' "$first/lintian.log"

# --- the build log's flags ----------------------------------------------------------
status=0
# --bindnow: what hardening=+all asks for; PIE is the compiler's default here.
blhc --bindnow "$build_log" >"$first/blhc.log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
  cat "$first/blhc.log"
  fail "blhc (status $status)"
fi
# blhc does not know every protection yet: each compile must have them all.
compiles=$(grep -E '(^| )(/usr/bin/)?(ccache )?(c\+\+|g\+\+|gcc|cc)(-[0-9]+)? .* -c ' "$build_log" || true)
[ -n "$compiles" ] || fail "no compile lines in the build log"
for flag in -fstack-clash-protection -fcf-protection -fstack-protector-strong -D_FORTIFY_SOURCE=; do
  missing=$(grep -c -v -e "$flag" <<<"$compiles" || true)
  [ "$missing" -eq 0 ] || fail "$missing compile(s) without $flag"
done
log "build log: blhc clean, every compile has stack clash and control-flow protection"

# --- the installed package --------------------------------------------------------------
was_installed=$(dpkg-query -W -f '${Status}' drovanta 2>/dev/null | grep -c 'ok installed' || true)
tests=$work/autopkgtest
rm -rf "$tests"
status=0
autopkgtest --output-dir "$tests" "$first/drovanta_$version.dsc" "$deb" -- null >"$work/autopkgtest.log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
  cat "$work/autopkgtest.log"
  fail "autopkgtest (status $status)"
else
  grep -E '^smoke +' "$tests/summary" | while read -r line; do log "autopkgtest: $line"; done
fi
installed=/usr/games/drovanta
if [ "$(dpkg-query -W -f '${Version}' drovanta 2>/dev/null)" = "$version" ] && [ -x "$installed" ]; then
  cmp -s "$installed" "$unpacked/game/usr/games/drovanta" || fail "the installed game is not the packaged one"
  scripts/check-hardening.sh "$installed" "$first/drovanta-$version/obj-"* >"$first/hardening-check.log" 2>&1 ||
    fail "hardening-check"
  sed 's/^/  /' "$first/hardening-check.log"
else
  fail "the package is not installed after autopkgtest"
fi
if [ "$was_installed" -eq 0 ]; then
  DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq drovanta >/dev/null || fail "removing the package"
fi

# --- reproducible ---------------------------------------------------------------------
log "the second build: $second, 400 days ahead, its own compiler cache"
export CCACHE_DIR=${XDG_CACHE_HOME:-$HOME/.cache}/drovanta-second-build
mkdir -p "$CCACHE_DIR"
faketime -f +400d scripts/make-deb.sh "$second" >/dev/null || fail "the second build"
for f in "$deb" "$dbgsym"; do
  other=$second/$(basename "$f")
  if cmp -s "$f" "$other"; then
    log "identical: $(basename "$f") ($(sha256sum <"$f" | cut -c1-16))"
  else
    fail "$(basename "$f") differs between the two builds"
    if command -v diffoscope >/dev/null; then diffoscope "$f" "$other" | head -100 || true; else
      dpkg-deb -R "$f" "$unpacked/one" && dpkg-deb -R "$other" "$unpacked/two" &&
        diff -r "$unpacked/one" "$unpacked/two" | head -20 || true
      rm -rf "$unpacked/one" "$unpacked/two"
    fi
  fi
done

if [ "$failures" -gt 0 ]; then
  log "$failures check(s) failed"
  exit 1
fi
log "the Debian packages: built, checked, linted, tested and reproducible"
