#!/usr/bin/env bash
# Builds the Debian package from the build tree into a temporary folder and checks
# what a user's apt reads from it: name, version, section, the libraries it depends
# on, what it recommends, and that it holds the installed tree. Where lintian is
# installed, it must find neither an error nor a warning.
#   package_test.sh <build dir> <version> <games dir>
set -euo pipefail
build=$1 version=$2 gamesdir=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || {
  cat "$out/cpack.log" >&2
  echo "FAIL: cpack could not build the package" >&2
  exit 1
}
debs=("$out"/drovanta_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: not one package in $out: ${debs[*]}" >&2; exit 1; }
deb=${debs[0]}
[ "$(basename "$deb")" = "drovanta_${version}_$(dpkg --print-architecture).deb" ] ||
  fail "file name $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
# A field's comma-separated entries, without version constraints.
entries() { field "$1" | tr ',' '\n' | sed 's/(.*)//; s/^ *//; s/ *$//' | sed '/^$/d'; }

[ "$(field Package)" = drovanta ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
for lib in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libfontconfig1; do
  entries Depends | grep -Eq "^$lib(t64)?( |$)" || fail "Depends lacks $lib: $(field Depends)"
done
# The toolkit's Russian dialogs, and native windows on a Wayland desktop.
for pkg in qt6-translations-l10n qt6-wayland; do
  entries Recommends | grep -qx "$pkg" || fail "Recommends lacks $pkg: $(field Recommends)"
done

contents=$(dpkg-deb -c "$deb")
grep -q " \./usr/$gamesdir/drovanta$" <<<"$contents" || fail "no /usr/$gamesdir/drovanta in the package"
grep -q " \./usr/share/metainfo/org.drovanta.Drovanta.metainfo.xml$" <<<"$contents" ||
  fail "no metainfo in the package"

if command -v lintian >/dev/null; then
  lintian --fail-on error,warning "$deb" || fail "lintian"
else
  echo "lintian is not installed: the package's lint is not checked"
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "package $(basename "$deb"): control fields, contents and lint all good"
