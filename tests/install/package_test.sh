#!/usr/bin/env bash
# The Debian source package against the rest of the tree, and the hardening every
# build gets (cmake/hardening.cmake), quickly; scripts/deb-checks.sh builds,
# lints and tests the packages themselves.
#   - debian/changelog's version is the game's;
#   - every package debian/control builds with, and every package debian/tests
#     needs, is one scripts/install-deps.sh installs here and in the Debian 13 root;
#   - every compile of this build has the hardening flags (none in a sanitizer
#     build), and its game binary the hardened link;
#   - the hardening module in a small project: with dpkg-buildflags, with flags
#     already given (a package build), without dpkg-buildflags, and off.
#   package_test.sh <build dir> <version> <games dir>
set -euo pipefail
build=$1 version=$2
source=$(cd "$(dirname "$0")/../.." && pwd)
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

changelog_version=$(dpkg-parsechangelog -l "$source/debian/changelog" -S Version)
[ "$changelog_version" = "$version" ] || fail "debian/changelog is at $changelog_version, the game at $version"

# A relationship field's package names: no versions, profiles or substitutions.
names() {
  sed -n "/^$1:/,/^[^ ]/p" "$2" | sed "1s/^$1://; /^[^ ]/d" | tr ',|' '\n\n' |
    sed 's/([^)]*)//; s/<[^>]*>//g; s/\[[^]]*\]//g; s/^ *//; s/ *$//' | grep -v -e '^$' -e '^\$' -e '^@' | sort -u
}
lists=$(mktemp -d)
trap 'rm -rf "$lists"' EXIT
for purpose in package test debian13; do
  "$source/scripts/install-deps.sh" --list "$purpose" | sort -u >"$lists/$purpose"
done
names Build-Depends "$source/debian/control" | grep -vx 'debhelper-compat' >"$lists/build"
grep -qx 'debhelper-compat' < <(names Build-Depends "$source/debian/control") || fail "no debhelper-compat in Build-Depends"
[ -s "$lists/build" ] || fail "no Build-Depends read from debian/control"
for purpose in package debian13; do
  missing=$(comm -23 "$lists/build" "$lists/$purpose" | tr '\n' ' ')
  [ -z "$missing" ] || fail "install-deps.sh $purpose lacks what the package builds with: $missing"
done
names Depends "$source/debian/tests/control" | grep -vx drovanta >"$lists/tests"
[ -s "$lists/tests" ] || fail "no test Depends read from debian/tests/control"
for purpose in test debian13; do
  missing=$(comm -23 "$lists/tests" "$lists/$purpose" | tr '\n' ' ')
  [ -z "$missing" ] || fail "install-deps.sh $purpose lacks what debian/tests need: $missing"
done

# --- this build ---------------------------------------------------------------------------
protections=(-fstack-protector-strong -fstack-clash-protection -fcf-protection -D_FORTIFY_SOURCE=)
commands=$build/compile_commands.json
if [ "$(uname -m)" = x86_64 ] && [ -f "$commands" ]; then
  compiles=$(grep '"command":' "$commands")
  count=$(grep -c '' <<<"$compiles")
  if grep -q -- '-fsanitize=' <<<"$compiles"; then
    grep -q -- '-D_FORTIFY_SOURCE=' <<<"$compiles" && fail "a sanitizer build has _FORTIFY_SOURCE"
  elif grep -Eq '^CMAKE_BUILD_TYPE:[A-Z]+=(Release|RelWithDebInfo|MinSizeRel|None)$' "$build/CMakeCache.txt" &&
    grep -q '^DROVANTA_HARDEN:BOOL=ON' "$build/CMakeCache.txt"; then
    for flag in "${protections[@]}"; do
      without=$(grep -c -v -e " $flag" <<<"$compiles" || true)
      [ "$without" -eq 0 ] || fail "$without of $count compiles lack $flag"
    done
    game=$build/drovanta
    if [ -x "$game" ]; then
      elf=$(readelf -hdlnW --dyn-syms "$game")
      grep -q 'FLAGS.*BIND_NOW' <<<"$elf" || fail "the game is not bound at start (BIND_NOW)"
      grep -q 'GNU_RELRO' <<<"$elf" || fail "the game has no RELRO segment"
      grep -q 'Type: *DYN ' <<<"$elf" || fail "the game is not position-independent"
      grep -q '__stack_chk_fail' <<<"$elf" || fail "the game has no stack protector"
    fi
  fi
fi

# --- the hardening module on its own --------------------------------------------------------
project=$lists/project
mkdir -p "$project"
cat >"$project/CMakeLists.txt" <<EOF
cmake_minimum_required(VERSION 3.25)
project(hardening_probe LANGUAGES CXX)
option(DROVANTA_SANITIZE "" OFF)
option(DROVANTA_FUZZ "" OFF)
include($source/cmake/hardening.cmake)
add_executable(probe probe.cpp)
EOF
echo 'int main() { return 0; }' >"$project/probe.cpp"
# The probes see no flags but those each case gives (a package build exports its own).
unset CFLAGS CXXFLAGS CPPFLAGS LDFLAGS
# Configures the probe with the given settings; prints its compile and link lines.
probe() {
  local dir=$lists/build-$1
  shift
  env "$@" cmake -S "$project" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >"$dir.log" 2>&1 || { cat "$dir.log" >&2; return 1; }
  grep '"command":' "$dir/compile_commands.json"
  ninja -C "$dir" -t commands probe | tail -1
}
has() { grep -q -- " $2\( \|\"\|$\)" <<<"$1" || fail "$3: no $2"; }
once() {  # on each line
  local line
  while read -r line; do
    [ "$(grep -o -- " $2" <<<"$line" | wc -l)" -le 1 ] || { fail "$3: $2 given more than once"; return; }
  done <<<"$1"
}

if command -v dpkg-buildflags >/dev/null && [ "$(uname -m)" = x86_64 ]; then
  lines=$(probe dpkg) || fail "configuring the probe"
  for flag in -fstack-protector-strong -fstack-clash-protection -fcf-protection -D_FORTIFY_SOURCE=2 \
    -Wl,-z,relro -Wl,-z,now; do has "$lines" "$flag" "with dpkg-buildflags"; done

  # A package build: dpkg-buildflags' own flags come in the environment.
  given="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
  lines=$(probe given CXXFLAGS="$given" LDFLAGS="$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get LDFLAGS)") ||
    fail "configuring the probe with flags given"
  for flag in -fstack-protector-strong -fstack-clash-protection -fcf-protection -D_FORTIFY_SOURCE=2 \
    -Wl,-z,relro -Wl,-z,now; do
    has "$lines" "$flag" "with flags given"
    once "$lines" "$flag" "with flags given"
  done
  once "$lines" "-D_FORTIFY_SOURCE" "with flags given"
fi

# No dpkg-buildflags: the same protections by hand.
dir=$lists/build-by-hand
rm -rf "$dir"
# (the searches for programs look nowhere, the compiler and ninja named outright)
cmake -S "$project" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
  -DCMAKE_FIND_USE_SYSTEM_ENVIRONMENT_PATH=OFF -DCMAKE_FIND_USE_CMAKE_SYSTEM_PATH=OFF \
  -DCMAKE_CXX_COMPILER="$(command -v c++)" -DCMAKE_MAKE_PROGRAM="$(command -v ninja)" >"$dir.log" 2>&1 || { cat "$dir.log" >&2; fail "configuring without dpkg-buildflags"; }
grep -q 'Hardening (by hand' "$dir.log" || fail "without dpkg-buildflags: the module did not say it set the flags by hand"
lines=$(grep '"command":' "$dir/compile_commands.json"; ninja -C "$dir" -t commands probe | tail -1)
for flag in -fstack-protector-strong -fstack-clash-protection -D_FORTIFY_SOURCE=2 -Wl,-z,relro -Wl,-z,now; do
  has "$lines" "$flag" "without dpkg-buildflags"
done
[ "$(uname -m)" != x86_64 ] || has "$lines" -fcf-protection "without dpkg-buildflags"

# An unoptimised build leaves _FORTIFY_SOURCE out; a sanitizer build everything.
dir=$lists/build-debug
cmake -S "$project" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >"$dir.log" 2>&1 ||
  fail "configuring a Debug probe"
lines=$(grep '"command":' "$dir/compile_commands.json")
grep -q -- '_FORTIFY_SOURCE' <<<"$lines" && fail "a Debug build has _FORTIFY_SOURCE"
has "$lines" -fstack-protector-strong "a Debug build"
dir=$lists/build-sanitize
cmake -S "$project" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDROVANTA_SANITIZE=ON \
  -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >"$dir.log" 2>&1 || fail "configuring a sanitizer probe"
lines=$(grep '"command":' "$dir/compile_commands.json"; ninja -C "$dir" -t commands probe | tail -1)
for flag in -fstack-protector-strong -fstack-clash-protection -fcf-protection -D_FORTIFY_SOURCE -Wl,-z,now; do
  grep -q -- "$flag" <<<"$lines" && fail "a sanitizer build has $flag"
done

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "debian/ agrees with the tree and the install lists; every build is hardened"
