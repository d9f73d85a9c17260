#!/usr/bin/env bash
# The real game in a real X server, driven from outside and judged by the pixels
# on the screen: Xvfb with openbox, real input through XTest (xdotool), under a
# Russian locale. Checks that Alt+Н starts a round, that a click on a shown target
# strikes it and changes the score, that two fast clicks on two targets side by
# side strike both (the toolkit sees a double click there), that Alt+И and Alt+О
# go to the information window and back, and that the game is still alive and
# answering after a spell of random clicks and keys.
#   scripts/x-test.sh [seconds of random play, default 120]
# Needs build/drovanta (scripts/build.sh). DROVANTA_X_DISPLAY picks the display.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
play_seconds=${1:-120}
game=$root/build/drovanta
work=$root/build/x-test
mkdir -p "$work"
rm -f "$work"/*.png "$work"/*.rgb
[ -x "$game" ] || { echo "x-test: $game is not built" >&2; exit 1; }

started=$(date +%s)
log() { printf '[x-test %3ds] %s\n' "$(($(date +%s) - started))" "$*"; }

# --- the X server, the window manager and the keyboard ------------------------------
display=${DROVANTA_X_DISPLAY:-}
if [ -z "$display" ]; then
  for n in $(seq 91 120); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { display=:$n; break; }
  done
fi
export DISPLAY=$display

pids=()
cleanup() {
  local status=$?
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  exit $status
}
trap cleanup EXIT INT TERM

fail() {
  log "FAILED: $*"
  import -window root "$work/failure.png" 2>/dev/null && log "the screen at that moment: $work/failure.png"
  [ -s "$work/game.log" ] && { echo "--- the game's output:"; tail -20 "$work/game.log"; }
  exit 1
}

Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
xdotool getdisplaygeometry >/dev/null 2>&1 || fail "Xvfb did not come up on $DISPLAY"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1

# Cyrillic letters get keycodes of their own before the game starts, so that
# xdotool never remaps a key between presses (the game would read the press
# under the old mapping).
letters=(Cyrillic_en Cyrillic_es Cyrillic_pe Cyrillic_u Cyrillic_i Cyrillic_o
  Cyrillic_yu Cyrillic_tse Cyrillic_a Cyrillic_be Cyrillic_yeru)
mapfile -t free < <(xmodmap -pke | awk 'NF == 3 && $2 >= 100 { print $2 }' | tail -n "${#letters[@]}")
[ "${#free[@]}" -eq "${#letters[@]}" ] || fail "not enough free keycodes"
for i in "${!letters[@]}"; do
  lower=${letters[i]#Cyrillic_}
  upper=Cyrillic_${lower^^}
  xmodmap -e "keycode ${free[i]} = ${letters[i]} ${upper}"
done

# A Russian desktop: the C library writes and reads a decimal comma.
locales=$(scripts/ru-locale.sh)

# --- the game -------------------------------------------------------------------------
LOCPATH=$locales LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 QT_QPA_PLATFORM=xcb \
  "$game" >"$work/game.log" 2>&1 &
game_pid=$!
pids+=($game_pid)

board=$(timeout 30 xdotool search --sync --onlyvisible --name '^Drovanta\.$' | head -1) ||
  fail "the main board did not appear"
xdotool windowactivate --sync "$board" 2>/dev/null || true
eval "$(xdotool getwindowgeometry --shell "$board")"
# Twips to screen pixels: 15 twips a pixel at the window's own scale.
scale=$(awk -v w="$WIDTH" 'BEGIN { printf "%.4f", w / 399 }')
px() { awk -v t="$1" -v s="$scale" 'BEGIN { printf "%d", t / 15 * s + 0.5 }'; }
log "main board $WIDTH x $HEIGHT on $DISPLAY (scale $scale)"

# The pixels of a rectangle in twips of the main board, as a checksum.
look() {
  import -window "$board" -crop "$(px "$3")x$(px "$4")+$(px "$1")+$(px "$2")" +repage \
    -depth 8 rgb:- 2>/dev/null | md5sum | cut -c1-32
}
time_look() { look 3360 6480 1935 255; }
score_look() { look 3360 7080 1935 255; }
# The twelve cells' checksums, row by row, from one picture of the grid.
cell_looks() {
  local c t l
  c=$(px 855)
  xdotool mousemove 0 0  # the pointer's image would count as the cell's own
  sleep 0.1
  import -window "$board" -crop "$(px 3375)x$(px 2535)+$(px 240)+$(px 2520)" +repage \
    "$work/grid.png" 2>/dev/null
  for t in 2520 3360 4200; do
    for l in 240 1080 1920 2760; do
      # Inset by a few pixels: neighbouring cells share their edge column.
      convert "$work/grid.png" -crop "$((c - 8))x$((c - 8))+$(($(px $((l - 240))) + 4))+$(($(px $((t - 2520))) + 4))" +repage \
        -depth 8 rgb:- | md5sum | cut -c1-32
    done
  done
}
keys() { xdotool key --delay 60 "$@"; }
# Alt+Н, then up to six seconds for the time field to leave the given look.
starts_a_round() {
  local before=$1 changed=
  keys alt+Cyrillic_en
  for _ in $(seq 30); do
    sleep 0.2
    [ "$(time_look)" != "$before" ] && { changed=1; break; }
  done
  [ -n "$changed" ]
}

click_at() {  # twips within the main board
  xdotool mousemove --window "$board" "$(px "$1")" "$(px "$2")" click 1
}
alive() { kill -0 "$game_pid" 2>/dev/null || fail "the game is gone"; }
lefts=(240 1080 1920 2760)
tops=(2520 3360 4200)

# --- a round starts by its access key -------------------------------------------------
sleep 6  # the opening scene plays in the top strip; the cells stay empty meanwhile
idle_time=$(time_look)
mapfile -t idle_cells < <(cell_looks)

# The board's pace through its interval box: the text, then Alt+У.
set_interval() {
  click_at $((1800 + 3495 / 2)) $((7440 + 435 / 2))
  keys ctrl+a
  xdotool type --delay 60 "$1"
  keys alt+Cyrillic_u
}
# Which cells differ from their idle look: a target (or the ring) on view.
shown_cells() {
  mapfile -t cells < <(cell_looks)
  shown=()
  local cell  # not i: callers keep their own
  for cell in "${!cells[@]}"; do
    [ "${cells[cell]}" = "${idle_cells[cell]}" ] || shown+=("$cell")
  done
}
# Whether the ring stands on a cell (of the last picture of the grid): gold pixels.
# A click there catches the ring and leaves any target beneath it on view.
ringed() {
  local c gold
  c=$(px 855)
  gold=$(convert "$work/grid.png" -crop "$((c - 8))x$((c - 8))+$(($(px $((lefts[$1 % 4] - 240))) + 4))+$(($(px $((tops[$1 / 4] - 2520))) + 4))" \
    +repage -fuzz 20% -fill white -opaque '#f0c020' -fill black +opaque white -format '%[fx:mean]' info:)
  awk -v g="$gold" 'BEGIN { exit !(g > 0.1) }'
}
# Deals the board afresh and then holds it still: a fast tick, then the longest;
# a board still moving half a second later (a key that went astray) is dealt again.
deal_and_hold() {
  local before
  for _ in 1 2 3 4 5; do
    set_interval 100
    sleep 0.5
    set_interval 65535
    sleep 0.3
    shown_cells
    before="${cells[*]}"
    sleep 0.5
    shown_cells
    [ "${cells[*]}" = "$before" ] && return 0
    log "the board is still moving; dealing again"
  done
  fail "the board would not hold still"
}

set_interval 3000
sleep 0.5
starts_a_round "$idle_time" || fail "Alt+Н did not start a round: the time field kept its idle look"
log "Alt+Н started a round: the time field changed"
start_score=$(score_look)

# --- a click on a shown target strikes it and changes the score -------------------------
sleep 3.5  # the first board tick
target=
for _ in $(seq 10); do
  deal_and_hold
  [ "${#shown[@]}" -ge 4 ] || fail "the board shows ${#shown[@]} targets after its tick"
  for i in "${shown[@]}"; do ringed "$i" || { target=$i; break 2; }; done
done
[ -n "$target" ] || fail "no target without the ring over it in 10 deals"
click_at $((lefts[target % 4] + 427)) $((tops[target / 4] + 427))
sleep 0.5
[ "$(score_look)" != "$start_score" ] || fail "a click on a shown target left the score as it was"
shown_cells
for j in "${shown[@]}"; do [ "$j" != "$target" ] || fail "a clicked target stayed on view"; done
log "a click on a shown target struck it and changed the score field"

# --- two fast clicks on two targets side by side strike both -----------------------------
# The second press comes 100 ms after the first and 4 px from it: the toolkit sees
# a double click, the game two presses on two targets.
pair=
for attempt in $(seq 20); do
  deal_and_hold
  for i in "${shown[@]}"; do
    for j in "${shown[@]}"; do
      [ $((j)) -eq $((i + 1)) ] && [ $((i / 4)) -eq $((j / 4)) ] || continue
      ringed "$i" || ringed "$j" || { pair="$i $j"; break 3; }
    done
  done
done
[ -n "$pair" ] || fail "no two targets side by side in 20 deals"
read -r i j <<<"$pair"
edge=$(px "${lefts[j % 4]}")
y=$(px $((tops[i / 4] + 427)))
xdotool mousemove --window "$board" $((edge - 1)) "$y" click 1 sleep 0.1 \
  mousemove --window "$board" $((edge + 3)) "$y" click 1
sleep 0.5
shown_cells
for k in "${shown[@]}"; do
  [ "$k" != "$i" ] || fail "the first of two fast clicks did not strike its target"
  [ "$k" != "$j" ] || fail "the second of two fast clicks, 4 px and 100 ms after the first, was lost"
done
log "two fast clicks on two targets side by side struck both (deal $attempt)"
set_interval 750

# --- the information window and back --------------------------------------------------
keys alt+Cyrillic_i
info=$(timeout 20 xdotool search --sync --onlyvisible --name '^Information$' | head -1) ||
  fail "Alt+И did not open the information window"
log "Alt+И opened the information window"
xdotool windowactivate --sync "$info" 2>/dev/null || true
keys alt+Cyrillic_o
back=
for _ in $(seq 100); do
  sleep 0.1
  if ! xdotool search --onlyvisible --name '^Information$' >/dev/null 2>&1 &&
    xdotool search --onlyvisible --name '^Drovanta\.$' >/dev/null 2>&1; then
    back=1
    break
  fi
done
[ -n "$back" ] || fail "Alt+О did not bring the main board back"
log "Alt+О brought the main board back"
alive

# --- random clicks and keys --------------------------------------------------------------
log "random play for $play_seconds s"
RANDOM=${DROVANTA_X_SEED:-9}
combos=(alt+Cyrillic_en alt+Cyrillic_es alt+Cyrillic_pe alt+Cyrillic_u alt+Cyrillic_i
  alt+Cyrillic_o alt+Cyrillic_yu alt+Cyrillic_tse alt+Cyrillic_a alt+Cyrillic_be
  alt+Cyrillic_yeru alt+y alt+x Tab Return space Escape 7 5 0 BackSpace)
# A window may vanish under an action (a key closed it): that action goes nowhere.
quietly() { "$@" >/dev/null 2>&1 || true; }
deadline=$(($(date +%s) + play_seconds))
actions=0
while [ "$(date +%s)" -lt "$deadline" ]; do
  # The window on view: the board or the information window (or a message box).
  win=$(xdotool getactivewindow 2>/dev/null) || win=
  if [ -z "$win" ]; then
    win=$(xdotool search --onlyvisible --name '^(Drovanta\.|Information)$' 2>/dev/null | head -1) || win=
    [ -n "$win" ] || { sleep 0.5; alive; continue; }
    quietly xdotool windowactivate "$win"
  fi
  geometry=$(xdotool getwindowgeometry --shell "$win" 2>/dev/null) || continue
  eval "$geometry"
  for _ in $(seq 10); do
    x=$((RANDOM % WIDTH)) y=$((RANDOM % HEIGHT))
    at=(mousemove --window "$win" "$x" "$y")
    case $((RANDOM % 10)) in
      0 | 1 | 2 | 3) quietly xdotool "${at[@]}" click 1 ;;
      4) quietly xdotool "${at[@]}" click --repeat 2 --delay $((40 + RANDOM % 200)) 1 ;;
      5) quietly xdotool "${at[@]}" click $((2 + RANDOM % 2)) ;;
      6) quietly xdotool "${at[@]}" mousedown 1 sleep 0.1 mousemove_relative 20 0 mouseup 1 ;;
      7 | 8) quietly keys "${combos[RANDOM % ${#combos[@]}]}" ;;
      9) sleep 0.$((RANDOM % 10)) ;;
    esac
    actions=$((actions + 1))
  done
  alive
done
log "$actions random actions"

# --- still alive and answering -----------------------------------------------------------
alive
for _ in 1 2 3; do keys Escape; sleep 0.3; done
# Whatever window was on view, Alt+О in the information window leads back to the board.
if xdotool search --onlyvisible --name '^Information$' >/dev/null 2>&1; then
  xdotool windowactivate --sync "$(xdotool search --onlyvisible --name '^Information$' | head -1)" || true
  keys alt+Cyrillic_o
  sleep 1
fi
board=$(timeout 20 xdotool search --sync --onlyvisible --name '^Drovanta\.$' | head -1) ||
  fail "the main board is not on view after the random play"
xdotool windowactivate --sync "$board" 2>/dev/null || true
starts_a_round "$(time_look)" || fail "after the random play Alt+Н no longer starts a round"
alive
if grep -Eq 'terminate called|Segmentation|Aborted|AddressSanitizer' "$work/game.log"; then
  fail "the game reported a crash"
fi
log "the game is alive and answering; passed in $(($(date +%s) - started)) s"
