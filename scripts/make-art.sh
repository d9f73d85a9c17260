#!/usr/bin/env bash
# Builds the art generator into build-art/ and redraws every file in assets/
# and the application icons in data/icons/.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build-art/build.ninja ] || cmake -S tools -B build-art -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-art -j2
QT_QPA_PLATFORM=offscreen build-art/drovanta_art write assets
QT_QPA_PLATFORM=offscreen build-art/drovanta_art icons data/icons
echo "assets/: $(ls assets | wc -l) files"
