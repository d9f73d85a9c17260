#!/usr/bin/env bash
# Builds the game and its Debian package, build/drovanta_<version>_<arch>.deb, and
# runs lintian on it when lintian is installed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh package
scripts/build.sh play
cmake --build build --target package
deb=$(ls -t build/drovanta_*.deb | head -1)
if command -v lintian >/dev/null; then lintian "$deb"; fi
echo "$deb"
