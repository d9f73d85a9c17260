#!/usr/bin/env bash
# The game as a screen reader meets it, in a virtual X server with its own session
# and accessibility buses:
#   1. the accessible tree walked over AT-SPI by pyatspi, with no mouse and no
#      screenshot (tests/a11y/walk.py); prints a short dump of the tree in a round;
#   2. the real Orca, its speech sent nowhere and written to a debug file, while a
#      round is played with the keyboard only (tests/a11y/orca_play.py); judged
#      by what Orca says, and prints Orca's speech for the whole round.
#   scripts/a11y-test.sh [walk|orca]      (default both)
# Needs build/drovanta (scripts/build.sh); the system's own python3, where Debian puts
# pyatspi and Orca. DROVANTA_X_DISPLAY picks the display.
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
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] ||
      grep -q "@/tmp/.X11-unix/X$n\$" /proc/net/unix || { display=:$n; break; }
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

parts=${1:-walk orca}
export GAME=$game WORK=$work ROOT=$root

# --- 1. the tree, walked by pyatspi ---------------------------------------------------
# A private session bus: the accessibility bus and its registry are started on
# demand from it, and end with it.
[[ $parts != *walk* ]] || timeout 90 dbus-run-session -- bash -c '
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

[[ $parts == *orca* ]] || exit 0

# --- 2. the real Orca -----------------------------------------------------------------
# Orca and the speech server live in a home of their own, made afresh: the speech
# server's own copy of its settings sends the sound to libao's null driver (it
# hangs reaching PulseAudio otherwise), with espeak-ng as its voice.
home=$work/orca-home
rm -rf "$home"
mkdir -p "$home/.config" "$home/orca" "$home/run" "$home/python"
chmod 700 "$home/run"
cp -r /etc/speech-dispatcher "$home/.config/speech-dispatcher"
sed -i -e '/^[#[:space:]]*AudioOutputMethod/d' -e '/^[#[:space:]]*DefaultModule/d' \
  "$home/.config/speech-dispatcher/speechd.conf"
printf 'AudioOutputMethod "libao"\nDefaultModule espeak-ng\n' >>"$home/.config/speech-dispatcher/speechd.conf"
echo default_driver=null >"$home/.libao"
# Orca buffers its debug file: written line by line, each line can be judged as
# soon as it is said.
cat >"$home/python/sitecustomize.py" <<'PY'
import builtins, os
_open = builtins.open
_debug = os.environ.get("ORCA_DEBUG_FILE")
def _line_by_line(file, mode="r", buffering=-1, *args, **kwargs):
    if _debug and buffering == -1 and "w" in mode and os.fspath(file) == _debug:
        buffering = 1
    return _open(file, mode, buffering, *args, **kwargs)
builtins.open = _line_by_line
PY

# Window manager and Russian keys, as a player's desktop has them: Orca reads the
# focused window, and the access keys are Cyrillic letters with keycodes of their
# own (never 203 or 204, which hold Mode_switch and Alt_L).
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
for _ in $(seq 100); do [ "$(xdotool get_num_desktops 2>/dev/null)" -gt 0 ] 2>/dev/null && break; sleep 0.1; done
letters=(Cyrillic_en Cyrillic_es Cyrillic_pe Cyrillic_u Cyrillic_i Cyrillic_o Cyrillic_yu)
mapfile -t free < <(xmodmap -pke | awk 'NF == 3 && $2 >= 100 && $2 != 203 && $2 != 204 { print $2 }' |
  tail -n "${#letters[@]}")
for i in "${!letters[@]}"; do
  lower=${letters[i]#Cyrillic_}
  xmodmap -e "keycode ${free[i]} = ${letters[i]} Cyrillic_${lower^^}"
done
# The keypad's review keys are read with NumLock off, as a fresh X server has it.
locales=$(scripts/ru-locale.sh)

export ORCA_DEBUG_FILE=$work/orca-debug.log LOCALES=$locales HOME_DIR=$home
rm -f "$ORCA_DEBUG_FILE"
status=0
timeout 240 dbus-run-session -- bash -c '
  set -euo pipefail
  export HOME=$HOME_DIR XDG_CONFIG_HOME=$HOME_DIR/.config XDG_RUNTIME_DIR=$HOME_DIR/run
  export LOCPATH=$LOCALES
  export LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8
  /usr/libexec/at-spi-bus-launcher --launch-immediately >"$WORK/at-spi.log" 2>&1 &
  bus=$!
  gsettings set org.gnome.desktop.interface toolkit-accessibility true
  speech-dispatcher -s -t 0 -C "$XDG_CONFIG_HOME/speech-dispatcher" >"$WORK/speechd.log" 2>&1 &
  speechd=$!
  PYTHONPATH=$HOME_DIR/python orca -u "$HOME_DIR/orca" -d braille \
    --debug-file="$ORCA_DEBUG_FILE" >"$WORK/orca.log" 2>&1 &
  orca=$!
  # Orca says so when it is up; only then does the game start.
  for _ in $(seq 300); do grep -q "SPEECH OUTPUT" "$ORCA_DEBUG_FILE" 2>/dev/null && break; sleep 0.1; done
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$GAME" >"$WORK/game.log" 2>&1 &
  game=$!
  status=0
  /usr/bin/python3 "$ROOT/tests/a11y/orca_play.py" "$ORCA_DEBUG_FILE" || status=$?
  kill "$game" "$orca" 2>/dev/null || true
  wait "$game" "$orca" 2>/dev/null || true
  kill "$speechd" "$bus" 2>/dev/null || true
  [ $status -eq 0 ] || { echo "--- the game said:"; tail -20 "$WORK/game.log"; echo "--- Orca said:"; tail -20 "$WORK/orca.log"; }
  exit $status
' || status=$?
kill "$wm" 2>/dev/null || true
[ $status -eq 0 ] || echo "a11y-test: Orca's debug file is $ORCA_DEBUG_FILE" >&2
exit $status
