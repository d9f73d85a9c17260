#!/usr/bin/env bash
# The real game in a real X server, driven from outside and judged by the pixels
# on the screen: Xvfb with openbox, real input through XTest (xdotool), under a
# Russian locale. Checks that Alt+Н starts a round, that a click on a shown target
# strikes it and changes the score, that two fast clicks on two targets side by
# side strike both (the toolkit sees a double click there), that Alt+И and Alt+О
# go to the information window and back, and that the game is still alive and
# answering after a spell of random clicks and keys, and that closing the board
# by the window manager's Alt+F4 ends it with nothing on its output.
#   scripts/x-test.sh [seconds of random play, default 120]
# Needs build/drovanta and build/drovanta_geometry (scripts/build.sh); every
# rectangle it looks at or clicks comes from the latter, which reads the layouts.
# It waits for what it expects by looking again, never for a fixed time.
# DROVANTA_X_DISPLAY picks the display.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
play_seconds=${1:-120}
game=$root/build/drovanta
geometry=$root/build/drovanta_geometry
work=$root/build/x-test
mkdir -p "$work"
rm -f "$work"/*.png "$work"/*.rgb
for program in "$game" "$geometry"; do
  [ -x "$program" ] || { echo "x-test: $program is not built" >&2; exit 1; }
done
screen_test=x-test
game_log=$work/game.log
capture_screen() { import -window root "$1"; }
# shellcheck source=scripts/screen-lib.sh
source scripts/screen-lib.sh

# --- the X server, the window manager and the keyboard ------------------------------
DISPLAY=$(pick_x_display)
export DISPLAY

pids=()
cleanup() {
  local status=$?
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  [ -z "${runtime:-}" ] || rm -rf "$runtime"
  exit $status
}
trap cleanup EXIT INT TERM

Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
within 10 xdotool getdisplaygeometry >/dev/null 2>&1 || fail "Xvfb did not come up on $DISPLAY"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
# The window manager is up once it announces its desktops on the root window.
wm_ready() {
  local n
  n=$(xdotool get_num_desktops 2>/dev/null) || return 1
  [ "${n:-0}" -gt 0 ]
}
within 10 wm_ready || fail "openbox did not come up (it said: $(tail -3 "$work/openbox.log" | tr "\n" " "))"

# Cyrillic letters get keycodes of their own before the game starts.
map_cyrillic_keycodes

# A Russian desktop: the C library writes and reads a decimal comma.
locales=$(scripts/ru-locale.sh)

# --- the windows' geometry, from the layouts ----------------------------------------
read_layout
# A window's title as an exact pattern for xdotool search.
title_pattern() { printf '^%s$' "$(sed 's/[][\.*^$+?(){}|]/\\&/g' <<<"$1")"; }
board_title=$(title_pattern "$board_title")
info_title=$(title_pattern "$info_title")
client_width=${board_client%% *}

# --- the game -------------------------------------------------------------------------
# A desktop session gives its programs a private runtime folder.
runtime=$(mktemp -d /tmp/drovanta-x-test.XXXXXX)
chmod 700 "$runtime"
LOCPATH=$locales LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$runtime \
  "$game" >"$work/game.log" 2>&1 &
game_pid=$!
pids+=("$game_pid")

board=$(timeout 30 xdotool search --sync --onlyvisible --name "$board_title" | head -1) ||
  fail "the main board did not appear"
xdotool windowactivate --sync "$board" 2>/dev/null || true
eval "$(xdotool getwindowgeometry --shell "$board")"
scale=$(awk -v w="$WIDTH" -v c="$client_width" 'BEGIN { printf "%.4f", w / c }')
log "main board $WIDTH x $HEIGHT on $DISPLAY (scale $scale)"

# Every main-board role's rectangle in screen pixels of the window: rect[role]="l t w h".
declare -A rect
for role in "${!role_box[@]}"; do
  rect[$role]=$(awk -v s="$scale" '
    function px(v) { return sprintf("%d", v * s + (v < 0 ? -0.5 : 0.5)) }
    { print px($1), px($2), px($3), px($4) }' <<<"${role_box[$role]}")
done
for role in time_left score interval_box final_panel cell{0..11}; do
  [ -n "${rect[$role]:-}" ] || fail "drovanta_geometry names no $role"
done
middle() {  # of a role's rectangle: "x y"
  local l t w h
  read -r l t w h <<<"${rect[$1]}"
  echo "$((l + w / 2)) $((t + h / 2))"
}
cells=12

# --- looking at the board: one capture, read once ----------------------------------
# Each look is a checksum of a region's pixels. A cell is inset by a few pixels
# (neighbouring cells share their edge column) and is also read for gold: the
# share of its pixels in the ring's colour, in thousandths.
regions=(time_left score final_panel)
crops=()
for role in "${regions[@]}"; do
  read -r l t w h <<<"${rect[$role]}"
  crops+=('(' -clone 0 -crop "${w}x${h}+${l}+${t}" +repage ')')
done
for ((c = 0; c < cells; c++)); do
  read -r l t w h <<<"${rect[cell$c]}"
  crops+=('(' -clone 0 -crop "$((w - 8))x$((h - 8))+$((l + 4))+$((t + 4))" +repage ')')
done
for ((c = 0; c < cells; c++)); do
  read -r l t w h <<<"${rect[cell$c]}"
  crops+=('(' -clone 0 -crop "$((w - 8))x$((h - 8))+$((l + 4))+$((t + 4))" +repage
    -fuzz 20% -fill white -opaque '#f0c020' -fill black +opaque white ')')
done
# Fills look[region] and look[cellN] with checksums and gold[N] with the ring's share
# of cell N.
declare -A look
gold=()
capture() {
  local lines i
  mapfile -t lines < <(convert "x:$board" -depth 8 "${crops[@]}" -delete 0 \
    -format '%# %[fx:int(mean*1000)]\n' info: 2>/dev/null)
  [ "${#lines[@]}" -eq $((${#regions[@]} + 2 * cells)) ] || return 1
  for i in "${!regions[@]}"; do look[${regions[i]}]=${lines[i]%% *}; done
  for ((i = 0; i < cells; i++)); do
    look[cell$i]=${lines[${#regions[@]} + i]%% *}
    gold[i]=${lines[${#regions[@]} + cells + i]##* }
    [[ ${gold[i]} =~ ^[0-9]+$ ]] || return 1
  done
}
# The same with the pointer out of the way: its image would count as a cell's own.
capture_cells() {
  xdotool mousemove 0 0
  within 5 capture || fail "could not read the main board's pixels"
}
cell_looks() { local c; for ((c = 0; c < cells; c++)); do printf '%s ' "${look[cell$c]}"; done; }

keys() { xdotool key --delay 60 "$@"; }
click_middle() {  # of a role's rectangle on the main board
  local x y
  read -r x y <<<"$(middle "$1")"
  xdotool mousemove --window "$board" "$x" "$y" click 1
}
alive() { kill -0 "$game_pid" 2>/dev/null || fail "the game is gone"; }

# Alt+Н, then up to six seconds for the time field to leave the look it had.
time_changed() { capture && [ "${look[time_left]}" != "$1" ]; }
starts_a_round() {
  capture || return 1
  local before=${look[time_left]}
  keys alt+Cyrillic_en
  within 6 time_changed "$before"
}

# --- a round starts by its access key -------------------------------------------------
# The opening scene plays in the top strip meanwhile; the scene is over once the
# strip looks the same three times running.
still=0 strip=
strip_still() {
  capture || return 1
  if [ "${look[final_panel]}" = "$strip" ]; then still=$((still + 1)); else still=0; fi
  strip=${look[final_panel]}
  [ "$still" -ge 2 ]
}
within 20 strip_still || fail "the opening scene never came to rest"
log "the opening scene has come to rest"
capture_cells
mapfile -t idle_cells < <(for ((c = 0; c < cells; c++)); do echo "${look[cell$c]}"; done)

# The board's pace through its interval box: the text, then Alt+У.
set_interval() {
  click_middle interval_box
  keys ctrl+a
  xdotool type --delay 60 "$1"
  keys alt+Cyrillic_u
}
# Which cells differ from their idle look (of the latest capture): a target, or
# the ring, on view.
shown_cells() {
  shown=()
  local cell  # not i: callers keep their own
  for ((cell = 0; cell < cells; cell++)); do
    [ "${look[cell$cell]}" = "${idle_cells[cell]}" ] || shown+=("$cell")
  done
}
# Whether the ring stands on a cell (of the latest capture). A click there catches
# the ring and leaves any target beneath it on view.
ringed() { [ "${gold[$1]}" -gt 100 ]; }
# Deals the board afresh and then holds it still: a fast tick until the board has
# changed, then the longest; the board counts as held once three looks running
# agree. A board that will not hold (a key that went astray) is dealt again.
board_moved() { capture_cells; [ "$(cell_looks)" != "$1" ]; }
board_held() {
  capture_cells
  local now
  now=$(cell_looks)
  if [ "$now" = "$held_look" ]; then held=$((held + 1)); else held=0; fi
  held_look=$now
  [ "$held" -ge 2 ]
}
deal_and_hold() {
  local before
  for _ in 1 2 3 4 5; do
    capture_cells
    before=$(cell_looks)
    set_interval 100
    within 5 board_moved "$before" || fail "the board did not move at an interval of 100 ms"
    set_interval 65535
    held=0 held_look=
    if within 5 board_held; then shown_cells; return 0; fi
    log "the board is still moving; dealing again"
  done
  fail "the board would not hold still"
}

set_interval 3000
starts_a_round || fail "Alt+Н did not start a round: the time field kept its idle look"
log "Alt+Н started a round: the time field changed"
start_score=${look[score]}

# --- a click on a shown target strikes it and changes the score -------------------------
target=
for _ in $(seq 10); do
  deal_and_hold
  [ "${#shown[@]}" -ge 4 ] || fail "the board shows ${#shown[@]} targets after its tick"
  for i in "${shown[@]}"; do ringed "$i" || { target=$i; break 2; }; done
done
[ -n "$target" ] || fail "no target without the ring over it in 10 deals"
click_middle "cell$target"
score_changed() { capture && [ "${look[score]}" != "$start_score" ]; }
within 5 score_changed || fail "a click on a shown target left the score as it was"
capture_cells
shown_cells
for j in "${shown[@]}"; do [ "$j" != "$target" ] || fail "a clicked target stayed on view"; done
log "a click on a shown target struck it and changed the score field"

# --- two fast clicks on two targets side by side strike both -----------------------------
# The second press comes 100 ms after the first and 4 px from it: the toolkit sees
# a double click, the game two presses on two targets. Cells are numbered row by
# row, so neighbours in a row are i and i + 1 with the same top.
same_row() {
  local a b
  read -r _ a _ _ <<<"${rect[cell$1]}"
  read -r _ b _ _ <<<"${rect[cell$2]}"
  [ "$a" = "$b" ]
}
pair=
for attempt in $(seq 20); do
  deal_and_hold
  for i in "${shown[@]}"; do
    for j in "${shown[@]}"; do
      [ $((j)) -eq $((i + 1)) ] && same_row "$i" "$j" || continue
      ringed "$i" || ringed "$j" || { pair="$i $j"; break 3; }
    done
  done
done
[ -n "$pair" ] || fail "no two targets side by side in 20 deals"
read -r i j <<<"$pair"
read -r edge _ _ _ <<<"${rect[cell$j]}"
read -r _ y <<<"$(middle "cell$i")"
xdotool mousemove --window "$board" $((edge - 1)) "$y" click 1 sleep 0.1 \
  mousemove --window "$board" $((edge + 3)) "$y" click 1
both_struck() {
  capture_cells
  shown_cells
  local k
  for k in "${shown[@]}"; do [ "$k" != "$i" ] && [ "$k" != "$j" ] || return 1; done
}
if ! within 3 both_struck; then
  for k in "${shown[@]}"; do
    [ "$k" != "$i" ] || fail "the first of two fast clicks did not strike its target"
    [ "$k" != "$j" ] || fail "the second of two fast clicks, 4 px and 100 ms after the first, was lost"
  done
fi
log "two fast clicks on two targets side by side struck both (deal $attempt)"
set_interval 750

# --- the information window and back --------------------------------------------------
keys alt+Cyrillic_i
info=$(timeout 20 xdotool search --sync --onlyvisible --name "$info_title" | head -1) ||
  fail "Alt+И did not open the information window"
log "Alt+И opened the information window"
xdotool windowactivate --sync "$info" 2>/dev/null || true
keys alt+Cyrillic_o
board_back() {
  ! xdotool search --onlyvisible --name "$info_title" >/dev/null 2>&1 &&
    xdotool search --onlyvisible --name "$board_title" >/dev/null 2>&1
}
within 10 board_back || fail "Alt+О did not bring the main board back"
log "Alt+О brought the main board back"
alive

# --- random clicks and keys --------------------------------------------------------------
log "random play for $play_seconds s"
RANDOM=${DROVANTA_X_SEED:-9}
# A window may vanish under an action (a key closed it): that action goes nowhere.
quietly() { "$@" >/dev/null 2>&1 || true; }
deadline=$(($(date +%s) + play_seconds))
actions=0
while [ "$(date +%s)" -lt "$deadline" ]; do
  # The window on view: the board or the information window (or a message box).
  win=$(xdotool getactivewindow 2>/dev/null) || win=
  if [ -z "$win" ]; then
    win=$( (xdotool search --onlyvisible --name "$board_title"
      xdotool search --onlyvisible --name "$info_title") 2>/dev/null | head -1) || win=
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
      7 | 8) quietly keys "${random_keys[RANDOM % ${#random_keys[@]}]}" ;;
      9) sleep 0.$((RANDOM % 10)) ;;
    esac
    actions=$((actions + 1))
  done
  alive
done
log "$actions random actions"

# --- still alive and answering -----------------------------------------------------------
alive
# Message boxes close one Escape at a time, each a moment after the last.
xdotool key --delay 300 Escape Escape Escape
# Whatever window was on view, Alt+О in the information window leads back to the board.
if xdotool search --onlyvisible --name "$info_title" >/dev/null 2>&1; then
  xdotool windowactivate --sync "$(xdotool search --onlyvisible --name "$info_title" | head -1)" || true
  keys alt+Cyrillic_o
  info_gone() { ! xdotool search --onlyvisible --name "$info_title" >/dev/null 2>&1; }
  within 10 info_gone || fail "Alt+О did not close the information window after the random play"
fi
board=$(timeout 20 xdotool search --sync --onlyvisible --name "$board_title" | head -1) ||
  fail "the main board is not on view after the random play"
xdotool windowactivate --sync "$board" 2>/dev/null || true
starts_a_round || fail "after the random play Alt+Н no longer starts a round"
alive
log "the game is alive and answering"

# --- closed by the window manager, it ends quietly ---------------------------------------
xdotool windowactivate --sync "$board" 2>/dev/null || true
keys alt+F4
ended() { ! kill -0 "$game_pid" 2>/dev/null || grep -q '^State:.*zombie' "/proc/$game_pid/status" 2>/dev/null; }
within 5 ended || fail "Alt+F4 on the main board did not end the game"
wait "$game_pid" && status=0 || status=$?
[ "$status" = 0 ] || fail "the game ended with status $status"
[ ! -s "$game_log" ] || fail "the game wrote on its output"
log "Alt+F4 ended the game with nothing on its output; passed in $(($(date +%s) - screen_started)) s"
