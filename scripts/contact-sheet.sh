#!/usr/bin/env bash
# Renders every asset in assets/ enlarged and labelled into one PNG (default: contact_sheet.png).
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-contact_sheet.png}"
[ -f build-art/build.ninja ] || cmake -S tools -B build-art -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-art -j2 >/dev/null
QT_QPA_PLATFORM=offscreen build-art/drovanta_art sheet assets "$out"
echo "$out"
