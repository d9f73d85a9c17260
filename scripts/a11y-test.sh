#!/usr/bin/env bash
# The game as a screen reader meets it: the real program in a virtual X server
# with its own session and accessibility buses, walked over AT-SPI by pyatspi with
# no mouse and no screenshot (tests/a11y/walk.py). Prints a short dump of the tree
# during a round.
#   scripts/a11y-test.sh
# Needs build/drovanta (scripts/build.sh); the system's own python3, where Debian puts
# pyatspi. DROVANTA_X_DISPLAY picks the display.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
game=$root/build/drovanta
work=$root/build/a11y-test
mkdir -p "$work"
[ -x "$game" ] || { echo "a11y-test: $game is not built" >&2; exit 1; }

display=${DROVANTA_X_DISPLAY:-}
if [ -z "$display" ]; then
  for n in $(seq 121 150); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { display=:$n; break; }
  done
fi
export DISPLAY=$display

xvfb=
cleanup() {
  local status=$?
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  exit $status
}
trap cleanup EXIT INT TERM

Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

# A private session bus: the accessibility bus and its registry are started on
# demand from it, and end with it.
export GAME=$game WORK=$work
timeout 90 dbus-run-session -- bash -c '
  set -euo pipefail
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$GAME" >"$WORK/game.log" 2>&1 &
  game=$!
  status=0
  /usr/bin/python3 '"$root"'/tests/a11y/walk.py || status=$?
  kill "$game" 2>/dev/null || true
  wait "$game" 2>/dev/null || true
  [ $status -eq 0 ] || { echo "--- the game said:"; tail -20 "$WORK/game.log"; }
  exit $status
'
