#!/usr/bin/env bash
# Compiles the ru_RU.UTF-8 locale (decimal comma) into a folder (build/locale
# unless told another), once, and prints that folder, for LOCPATH. Needs Debian's
# locales package (localedef).
#   scripts/ru-locale.sh [folder]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-$PWD/build/locale}
if [ ! -f "$dir/ru_RU.UTF-8/LC_NUMERIC" ]; then
  mkdir -p "$dir"
  localedef -i ru_RU -f UTF-8 "$dir/ru_RU.UTF-8" >/dev/null 2>&1 || [ -f "$dir/ru_RU.UTF-8/LC_NUMERIC" ]
fi
echo "$dir"
