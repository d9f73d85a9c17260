#!/usr/bin/env bash
# The real game on native Wayland, driven from outside and judged by the pixels on
# the screen: a headless sway (pixman renderer, no input devices), one virtual
# pointer and one virtual keyboard (build/drovanta_wl_input, keymap us,ru) for the
# whole run, screenshots by grim, which shows the pointer too. Sway does not run as
# root, so the compositor, the game and the tools run as an unprivileged user with
# a private runtime folder.
#
# At output scale 1, then 2 (the game started afresh for each): Alt+Н starts a
# round, a click on a shown target strikes it, and the pointer over a target has
# the same size in logical pixels. At scale 2 also: two fast clicks on two targets
# side by side strike both, Alt+И and Alt+О go to the information window and back,
# a spell of random clicks and keys, the game is still alive and answering (Alt+Н
# starts a round), and closing the board ends it with nothing on its output.
# Every place on the board comes from build/drovanta_geometry.
#   scripts/wayland-test.sh [seconds of random play, default 60]
# Needs build/drovanta, build/drovanta_wl_input and build/drovanta_geometry
# (scripts/build.sh), and sway, grim, jq and ImageMagick. DROVANTA_WAYLAND_USER picks
# the user (default nobody).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
play_seconds=${1:-60}
user=${DROVANTA_WAYLAND_USER:-nobody}
work=$root/build/wayland-test
mkdir -p "$work"
rm -f "$work"/*.png "$work"/*.log
for tool in drovanta drovanta_wl_input drovanta_geometry; do
  [ -x "$root/build/$tool" ] || { echo "wayland-test: build/$tool is not built" >&2; exit 1; }
done

screen_test=wayland-test
# shellcheck source=scripts/screen-lib.sh
source scripts/screen-lib.sh

# --- the private runtime folder, which the game and the tools run from ---------------
# (A checkout may lie where the unprivileged user cannot read, as under /root.)
run=$(mktemp -d /tmp/drovanta-wayland.XXXXXX)
cp "$root/build/drovanta" "$root/build/drovanta_wl_input" "$run/"
cp -r "$(scripts/ru-locale.sh)" "$run/locale"
chown -R "$user" "$run"
chmod 700 "$run"
mkfifo "$run/input"
chown "$user" "$run/input"

pids=()
cleanup() {
  local status=$?
  exec 7>&- 2>/dev/null || true
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$run"
  exit $status
}
trap cleanup EXIT INT TERM

# Runs a command as the user in the compositor's session; as_user_exec in place of
# the (sub)shell, so that a background job's pid is the command's own.
as_user() { (as_user_exec "$@"); }
as_user_exec() {
  local session=()
  [ -n "${wayland_display:-}" ] && session+=(WAYLAND_DISPLAY="$wayland_display")
  [ -n "${swaysock:-}" ] && session+=(SWAYSOCK="$swaysock")
  exec setpriv --reuid="$user" --regid="$(id -g "$user")" --clear-groups \
    env -i PATH=/usr/bin:/bin HOME="$run" XDG_RUNTIME_DIR="$run" "${session[@]}" "$@"
}
game_log=$run/game.log
capture_screen() {
  as_user grim "$run/screen.png" && cp "$run/screen.png" "$1"
  # What the compositor and the game were doing, for the failure's report.
  if [ -n "${DROVANTA_WAYLAND_DEBUG:-}" ] && [ -n "${game_pid:-}" ]; then
    as_user swaymsg -t get_tree >"$work/tree.txt" 2>&1 || true
    gdb -p "$game_pid" -batch -ex "thread apply all bt 12" >"$work/stacks.txt" 2>&1 || true
  fi
}

# --- the board's places, from the layout --------------------------------------------------
geometry=$("$root/build/drovanta_geometry")
# "left top width height" of an element given by its role on the main board.
role_box() {
  local element
  element=$(awk -v r="$1" '$1 == "Form1Krot" && $2 == "role" && $3 == r { print $4 }' <<<"$geometry")
  [ -n "$element" ] || fail "the layout has no $1"
  awk -v e="$element" '$1 == "Form1Krot" && $2 == e && NF == 6 { print $3, $4, $5, $6 }' <<<"$geometry"
}
client_size() {  # of the window with the given caption
  local w
  w=$(awk -v c="$1" '$2 == "caption" { n = $1; sub(/^[^ ]+ caption /, ""); if ($0 == c) print n }' <<<"$geometry")
  awk -v w="$w" '$1 == w && $2 == "client" { print $3, $4 }' <<<"$geometry"
}
caption_of() { awk -v w="$1" '$1 == w && $2 == "caption" { sub(/^[^ ]+ caption /, ""); print }' <<<"$geometry"; }
board_title=$(caption_of Form1Krot)
info_title=$(caption_of Form2)
read -r time_box <<<"$(role_box time_left | tr ' ' ,)"
read -r score_box <<<"$(role_box score | tr ' ' ,)"
read -r ix iy iw ih <<<"$(role_box interval_box)"
cell_boxes=()
for n in $(seq 0 11); do cell_boxes+=("$(role_box "cell$n")"); done

# --- the compositor ----------------------------------------------------------------------
# One output of 1600 x 1200 device pixels: 800 x 600 logical at scale 2, room for the board.
cat >"$run/config" <<'EOF'
xwayland disable
output HEADLESS-1 mode 1600x1200 position 0 0 scale 1
default_border none
default_floating_border none
focus_follows_mouse no
EOF
chown "$user" "$run/config"
(as_user_exec env WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
  sway -c "$run/config" >"$work/sway.log" 2>&1) &
pids+=($!)
for _ in $(seq 100); do
  swaysock=$(compgen -G "$run/sway-ipc.*.sock" | head -1) || true
  wayland_display=$(cd "$run" && compgen -G 'wayland-*' | grep -v lock | head -1) || true
  [ -n "$swaysock" ] && [ -n "$wayland_display" ] && as_user swaymsg -t get_outputs >/dev/null 2>&1 && break
  sleep 0.1
done
as_user swaymsg -t get_outputs >/dev/null 2>&1 || fail "sway did not come up (see $work/sway.log)"
log "sway is up"

# A window's client area on the output, in logical pixels: "x y width height". A
# window is known by its title and its client size (a message box may share the
# title), both from the layout; focused_rect gives the window that has the focus.
window_rect() {
  as_user swaymsg -t get_tree -r | jq -r --arg t "$1" --arg size "$(client_size "$1")" \
    '[.. | objects | select(.type? == "floating_con" or .type? == "con")
      | select(.name == $t and .visible == true and "\(.rect.width) \(.rect.height)" == $size)][0]
     | if . == null then empty else "\(.rect.x) \(.rect.y) \(.rect.width) \(.rect.height)" end'
}
focused_rect() {
  as_user swaymsg -t get_tree -r | jq -r \
    '[.. | objects | select(.type? == "floating_con" or .type? == "con") | select(.focused == true and .pid? != null)][0]
     | if . == null then empty else "\(.rect.x) \(.rect.y) \(.rect.width) \(.rect.height)" end'
}
wait_window() {  # title, seconds
  local r end=$(($(date +%s) + $2))
  while [ "$(date +%s)" -le "$end" ]; do
    r=$(window_rect "$1") && [ -n "$r" ] && { echo "$r"; return 0; }
    sleep 0.1
  done
  return 1
}
window_gone() {  # title, seconds
  local end=$(($(date +%s) + $2))
  while [ "$(date +%s)" -le "$end" ]; do
    [ -z "$(window_rect "$1")" ] && return 0
    sleep 0.1
  done
  return 1
}

# --- the game, the pointer and the keyboard at one output scale ----------------------------------
game_pid=
input_pid=
start_at_scale() {
  scale=$1
  if [ -n "$game_pid" ]; then
    kill "$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
    window_gone "$board_title" 10 || fail "the main board outlived the game"
  fi
  [ -n "$input_pid" ] && { exec 7>&-; wait "$input_pid" 2>/dev/null || true; }
  as_user swaymsg output HEADLESS-1 scale "$scale" >/dev/null
  read -r out_w out_h < <(as_user swaymsg -t get_outputs -r | jq -r '.[0].rect | "\(.width) \(.height)"')
  (as_user_exec env LOCPATH="$run/locale" LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 QT_QPA_PLATFORM=wayland \
    "$run/drovanta" >"$run/game.log" 2>&1) &
  game_pid=$!
  pids+=($game_pid)
  (as_user_exec sh -c "exec '$run/drovanta_wl_input' $out_w $out_h <'$run/input' >'$run/input.log' 2>&1") &
  input_pid=$!
  pids+=($input_pid)
  exec 7>"$run/input"
  rect=$(wait_window "$board_title" 30) || fail "the main board did not appear at scale $scale"
  read -r wx wy ww wh <<<"$rect"
  log "scale $scale: output $out_w x $out_h logical, main board $ww x $wh at $wx,$wy"
}
send() { local c; for c in "$@"; do echo "$c" >&7; done; }
alive() { kill -0 "$game_pid" 2>/dev/null || fail "the game is gone"; }

# A rectangle of the board "left,top,width,height" (logical) as a PPM on stdout.
shot() {
  local l t w h
  IFS=, read -r l t w h <<<"$1"
  as_user grim -t ppm -g "$((wx + l)),$((wy + t)) ${w}x${h}" -
}
look() { shot "$1" | md5sum | cut -c1-32; }
time_look() { look "$time_box"; }
score_look() { look "$score_box"; }

# The twelve cells' checksums, from one picture of the grid, the pointer parked off it.
grid_left= grid_top= grid_w= grid_h=
read -r grid_left grid_top _ _ <<<"${cell_boxes[0]}"
read -r l11 t11 w11 h11 <<<"${cell_boxes[11]}"
grid_w=$((l11 + w11 - grid_left)) grid_h=$((t11 + h11 - grid_top))
cell_looks() {
  local b l t w h
  send "move $((wx + ww - 4)) $((wy + 4))" "sleep 100"
  sleep 0.2
  shot "$grid_left,$grid_top,$grid_w,$grid_h" >"$run/grid.ppm"
  for b in "${cell_boxes[@]}"; do
    read -r l t w h <<<"$b"
    # Inset a few pixels: neighbouring cells share their edge column.
    convert "$run/grid.ppm" -crop "$(((w - 8) * scale))x$(((h - 8) * scale))+$(((l - grid_left + 4) * scale))+$(((t - grid_top + 4) * scale))" \
      +repage -depth 8 rgb:- | md5sum | cut -c1-32
  done
}
shown_cells() {
  mapfile -t cells < <(cell_looks)
  shown=()
  local cell
  for cell in "${!cells[@]}"; do
    [ "${cells[cell]}" = "${idle_cells[cell]}" ] || shown+=("$cell")
  done
}
# Whether the ring's gold stands on a cell of the last picture of the grid.
ringed() {
  local l t w h gold
  read -r l t w h <<<"${cell_boxes[$1]}"
  gold=$(convert "$run/grid.ppm" -crop "$(((w - 8) * scale))x$(((h - 8) * scale))+$(((l - grid_left + 4) * scale))+$(((t - grid_top + 4) * scale))" \
    +repage -fuzz 20% -fill white -opaque '#f0c020' -fill black +opaque white -format '%[fx:mean]' info:)
  awk -v g="$gold" 'BEGIN { exit !(g > 0.1) }'
}
centre_of() {  # cell number -> "x y" on the output
  local l t w h
  read -r l t w h <<<"${cell_boxes[$1]}"
  echo "$((wx + l + w / 2)) $((wy + t + h / 2))"
}
set_interval() {
  send "move $((wx + ix + iw / 2)) $((wy + iy + ih / 2))" click "key ctrl+a"
  local digits=() d
  for d in $(grep -o . <<<"$1"); do digits+=("$d"); done
  send "key ${digits[*]} alt+Cyrillic_u"
}
# Deals the board afresh and holds it still: a fast tick, then the longest.
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
starts_a_round() {
  local before=$1
  send "key alt+Cyrillic_en"
  for _ in $(seq 30); do
    sleep 0.2
    [ "$(time_look)" != "$before" ] && return 0
  done
  return 1
}

# The pointer's size over a shown target, in device pixels of the output: the box
# of pixels that differ between the target with the pointer on its centre and
# without it. Prints "width height left top" (left, top from the target's centre).
pointer_box() {
  local cell=$1 l t w h cx cy box
  read -r l t w h <<<"${cell_boxes[$cell]}"
  read -r cx cy <<<"$(centre_of "$cell")"
  # Room around the centre for a pointer up to 48 logical pixels.
  local rl=$((l + w / 2 - 24)) rt=$((t + h / 2 - 24))
  send "move $((wx + ww - 4)) $((wy + 4))" "sleep 100"
  sleep 0.3
  shot "$rl,$rt,48,48" >"$run/without.ppm"
  send "move $cx $cy" "sleep 100"
  sleep 0.3
  shot "$rl,$rt,48,48" >"$run/with.ppm"
  cp "$run/with.ppm" "$work/pointer-at-scale-$scale.ppm"
  box=$(convert "$run/without.ppm" "$run/with.ppm" -compose difference -composite \
    -threshold 0 -format '%@' info:)
  # "WxH+X+Y" within the 48-pixel square whose centre is the pointer's place.
  awk -v b="$box" -v s="$scale" 'BEGIN {
    split(b, p, /[x+]/); printf "%d %d %d %d\n", p[1], p[2], p[3] - 24 * s, p[4] - 24 * s }'
}

# --- the checks at one scale ----------------------------------------------------------
first_strike() {
  sleep 6  # the opening scene; the cells stay empty meanwhile
  idle_time=$(time_look)
  mapfile -t idle_cells < <(cell_looks)
  set_interval 3000
  sleep 0.5
  starts_a_round "$idle_time" || fail "Alt+Н did not start a round at scale $scale"
  log "Alt+Н started a round: the time field changed"
  local start_score target=
  start_score=$(score_look)
  sleep 3.5
  for _ in $(seq 10); do
    deal_and_hold
    [ "${#shown[@]}" -ge 4 ] || fail "the board shows ${#shown[@]} targets after its tick"
    for i in "${shown[@]}"; do ringed "$i" || { target=$i; break 2; }; done
  done
  [ -n "$target" ] || fail "no target without the ring over it in 10 deals"

  read -r pw ph pl pt <<<"$(pointer_box "$target")"
  log "the pointer over a target at scale $scale: $pw x $ph device pixels, from $pl,$pt of its place"
  pointer_sizes+=("$scale:$pw:$ph:$pl:$pt")

  send "move $(centre_of "$target")" click
  sleep 0.5
  [ "$(score_look)" != "$start_score" ] || fail "a click on a shown target left the score as it was"
  shown_cells
  for j in "${shown[@]}"; do [ "$j" != "$target" ] || fail "a clicked target stayed on view"; done
  log "a click on a shown target struck it and changed the score field"
}

pointer_sizes=()
start_at_scale 1
first_strike
start_at_scale 2
first_strike

# The pointer has one size in logical pixels, and its active point in its middle.
read -r p1 p2 <<<"${pointer_sizes[*]}"
IFS=: read -r _ w1 h1 l1 t1 <<<"$p1"
IFS=: read -r _ w2 h2 l2 t2 <<<"$p2"
awk -v a="$w1" -v b="$w2" -v c="$h1" -v d="$h2" \
  'BEGIN { exit !(b >= 2 * a - 2 && b <= 2 * a + 2 && d >= 2 * c - 2 && d <= 2 * c + 2) }' ||
  fail "the pointer is $w1 x $h1 at scale 1 but $w2 x $h2 device pixels at scale 2 (want twice)"
[ "$w1" -ge 16 ] && [ "$w1" -le 32 ] && [ "$h1" -ge 16 ] && [ "$h1" -le 32 ] ||
  fail "the pointer over a target is $w1 x $h1 pixels, not the 32-pixel ball"
for p in "$p1" "$p2"; do
  IFS=: read -r s w h l t <<<"$p"
  # The drawing's box holds the active point, a few pixels from its middle at most.
  awk -v w="$w" -v h="$h" -v l="$l" -v t="$t" -v s="$s" 'BEGIN {
    dx = l + w / 2; dy = t + h / 2; exit !(dx * dx + dy * dy <= (4 * s) * (4 * s)) }' ||
    fail "at scale $s the pointer's drawing is off its active point ($w x $h from $l,$t)"
done
log "the pointer has one logical size: $w1 x $h1 at scale 1, $w2 x $h2 device pixels at scale 2"

# --- two fast clicks on two targets side by side strike both -------------------------------
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
read -r jl _ _ _ <<<"${cell_boxes[j]}"
read -r _ y <<<"$(centre_of "$i")"
send "move $((wx + jl - 1)) $y" click "sleep 100" "move $((wx + jl + 3)) $y" click
sleep 0.5
shown_cells
for k in "${shown[@]}"; do
  [ "$k" != "$i" ] || fail "the first of two fast clicks did not strike its target"
  [ "$k" != "$j" ] || fail "the second of two fast clicks, 4 px and 100 ms after the first, was lost"
done
log "two fast clicks on two targets side by side struck both (deal $attempt)"
set_interval 750

# --- the information window and back --------------------------------------------------
send "key alt+Cyrillic_i"
rect=$(wait_window "$info_title" 20) || fail "Alt+И did not open the information window"
read -r fx fy fw fh <<<"$rect"
window_gone "$board_title" 10 || fail "the main board stayed on view beside the information window"
log "Alt+И opened the information window ($fw x $fh at $fx,$fy)"
send "key alt+Cyrillic_o"
rect=$(wait_window "$board_title" 20) || fail "Alt+О did not bring the main board back"
read -r wx wy ww wh <<<"$rect"
window_gone "$info_title" 10 || fail "the information window stayed on view"
log "Alt+О brought the main board back ($ww x $wh at $wx,$wy)"
alive

# A message box left open (a refused interval) is closed as a player closes it: it
# is brought to the front and answered with Escape. Sway may stack the board over
# it (it keeps no child window above its parent), and the board takes no input
# while its message box is open.
close_message_boxes() {
  local box
  for _ in 1 2 3 4 5; do
    box=$(as_user swaymsg -t get_tree -r | jq -r --arg t "$board_title" --arg size "$(client_size "$board_title")" \
      '[.. | objects | select(.type? == "floating_con" and .name == $t)
        | select("\(.rect.width) \(.rect.height)" != $size)][0] | if . == null then empty else .id end')
    [ -n "$box" ] || return 0
    message_boxes=$((${message_boxes:-0} + 1))
    as_user swaymsg "[con_id=$box] focus" >/dev/null || true
    send "key Escape"
    sleep 0.3
  done
}

# --- random clicks and keys --------------------------------------------------------------
# A point kept on the output: the input helper refuses any other, and sway may
# report a window reaching past the output's edge.
on_output() {
  local x=$1 y=$2
  ((x < out_w)) || x=$((out_w - 1))
  ((y < out_h)) || y=$((out_h - 1))
  echo "$((x < 0 ? 0 : x)) $((y < 0 ? 0 : y))"
}
log "random play for $play_seconds s"
RANDOM=${DROVANTA_WAYLAND_SEED:-9}
deadline=$(($(date +%s) + play_seconds))
actions=0
while [ "$(date +%s)" -lt "$deadline" ]; do
  # The window on view: the board or the information window.
  close_message_boxes
  # The window with the focus: the board or the information window.
  rect=$(focused_rect)
  [ -n "$rect" ] || rect=$(window_rect "$board_title")
  [ -n "$rect" ] || rect=$(window_rect "$info_title")
  [ -n "$rect" ] || { sleep 0.5; alive; continue; }
  read -r x0 y0 w0 h0 <<<"$rect"
  batch=()
  for _ in $(seq 10); do
    at="move $(on_output $((x0 + RANDOM % w0)) $((y0 + RANDOM % h0)))"
    case $((RANDOM % 10)) in
      0 | 1 | 2 | 3) batch+=("$at" click) ;;
      4) batch+=("$at" click "sleep $((40 + RANDOM % 200))" click) ;;
      5) batch+=("$at" "click $((2 + RANDOM % 2))") ;;
      6) batch+=("$at" press "sleep 100" "move $(on_output $((x0 + RANDOM % w0)) $((y0 + RANDOM % h0)))" release) ;;
      7 | 8) batch+=("key ${random_keys[RANDOM % ${#random_keys[@]}]}") ;;
      9) batch+=("sleep $((RANDOM % 1000))") ;;
    esac
    actions=$((actions + 1))
  done
  send "${batch[@]}" sync
  # The helper answers "ok" once the batch is through.
  for _ in $(seq 100); do
    [ "$(grep -c '^ok$' "$run/input.log" 2>/dev/null)" -ge "$((${syncs:-0} + 1))" ] && break
    sleep 0.1
  done
  syncs=$((${syncs:-0} + 1))
  alive
done
log "$actions random actions; ${message_boxes:-0} message boxes closed"
if grep -q 'cannot do' "$run/input.log"; then
  grep 'cannot do' "$run/input.log" | head -3
  fail "the input helper refused commands"
fi

# --- still alive and answering -----------------------------------------------------------
alive
close_message_boxes
send "key Escape"
sleep 0.5
if [ -n "$(window_rect "$info_title")" ]; then
  send "key alt+Cyrillic_o"
fi
rect=$(wait_window "$board_title" 20) || fail "the main board is not on view after the random play"
read -r wx wy ww wh <<<"$rect"
# The player brings the board to the front, as with a click on its title bar.
log "the focus after the random play: $(focused_rect) (main board: $rect)"
as_user swaymsg "[title=\"^${board_title//./\\.}\$\"] focus" >/dev/null ||
  fail "the compositor cannot focus the main board"
sleep 0.3
starts_a_round "$(time_look)" || fail "after the random play Alt+Н left the time field as it was"
alive
log "the game is alive and answering"

# --- closed as the compositor closes a window, it ends quietly -------------------------
as_user swaymsg "[title=\"^${board_title//./\\.}\$\"] kill" >/dev/null || fail "the compositor cannot close the main board"
ended() { ! kill -0 "$game_pid" 2>/dev/null || grep -q '^State:.*zombie' "/proc/$game_pid/status" 2>/dev/null; }
within 5 ended || fail "closing the main board did not end the game"
wait "$game_pid" && status=0 || status=$?
cp "$run/game.log" "$work/game.log"
[ "$status" = 0 ] || fail "the game ended with status $status"
[ ! -s "$run/game.log" ] || fail "the game wrote on its output"
log "closing the main board ended the game with nothing on its output; passed in $(($(date +%s) - screen_started)) s"
