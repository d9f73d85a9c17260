#!/usr/bin/env bash
# Takes docs/screenshot.png from the real game: starts it on a private Xvfb server,
# starts a round, lets the board deal a few ticks and captures the main board.
# Needs the packages xvfb, xdotool and imagemagick.
#   scripts/screenshot.sh [out.png]
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs/screenshot.png}"
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (apt-get install xvfb xdotool imagemagick)" >&2; exit 1; }
done
scripts/build.sh >/dev/null

# Xvfb picks a free display and tells its number through a pipe.
tmp=$(mktemp -d)
mkfifo "$tmp/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/display" >/dev/null 2>&1 &
xvfb=$!
read -r number <"$tmp/display"
export DISPLAY=":$number"
game=
cleanup() {
  [ -n "$game" ] && kill "$game" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT

env -u QT_QPA_PLATFORM build/drovanta >/dev/null 2>&1 &
game=$!
window=
for _ in $(seq 50); do
  window=$(xdotool search --name '^Drovanta\.$' 2>/dev/null | head -1) && [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { echo "the game's window did not appear" >&2; exit 1; }

# Let the opening scene play, then press "Начать раунд" (its middle is at 60, 432
# in the window) and wait for a few board ticks.
sleep 3
xdotool mousemove --window "$window" 60 432 click 1
sleep 2.4
xdotool mousemove 1000 700
mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
echo "$out"
