#!/usr/bin/env bash
# The real game as a native Wayland client of the compositors most players run:
# mutter as GNOME runs it (modal dialogs attached to their parents, GNOME Shell's
# setting) and KWin (KDE Plasma), each nested in an Xvfb, at output scale 1 and 2,
# and mutter with its own defaults at scale 1; driven through the X server
# (xdotool) and judged by the pixels of the X screen, which shows the compositor's
# output. At each compositor and scale:
#   - the main board has its size;
#   - Alt+Н starts a round;
#   - the information window (Alt+И) opens over the board, and Alt+О brings the
#     board back over the information window;
#   - the message box of a refused interval opens over the board and above it, the
#     board takes no click while it is open, and once it is answered a round starts;
#   - neither a double click on the board's title bar nor mutter's key for
#     maximising changes the board's place or size, and a drag of the title bar
#     moves the board;
#   - the title bar's close button, and under mutter Alt+F4, end the game during a
#     round, with nothing on its output.
# "Over" a window means the newcomer's centre within 60 logical pixels of that
# window's centre; under mutter with its own defaults, which places dialogs a
# third of the way down their parent, the newcomer's top where that rule puts it
# and its centre within 60 pixels across. Compositors and the game run as an
# unprivileged user with a private runtime folder and session bus.
#   scripts/desktop-test.sh [gnome|mutter|kwin ...]   default: all three
# (gnome and kwin at scale 1 and 2, mutter at scale 1)
# DROVANTA_CLOSES=N closes the game N times more at each compositor and scale, each
# after a visit to the information window, during a round (default 1).
# Needs build/drovanta and build/drovanta_geometry (scripts/build.sh), and mutter,
# kwin-wayland, Xvfb, xdotool, xmodmap and ImageMagick. DROVANTA_X_DISPLAY picks the
# X display (default: the first free from :91), DROVANTA_WAYLAND_USER the user
# (default nobody), DROVANTA_SOCKET_PREFIX the start of the Wayland sockets' names.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
screen_test=desktop-test
work=$root/build/desktop-test
mkdir -p "$work"
rm -f "$work"/*.png "$work"/*.log
# shellcheck source=scripts/screen-lib.sh
source scripts/screen-lib.sh
user=${DROVANTA_WAYLAND_USER:-nobody}
prefix=${DROVANTA_SOCKET_PREFIX:-drovanta-}
for tool in drovanta drovanta_geometry; do
  [ -x "$root/build/$tool" ] || { echo "desktop-test: build/$tool is not built" >&2; exit 1; }
done
read_layout
read -r board_w board_h <<<"$board_client"

# The game and a copy of KWin run from a private folder: a checkout may lie where
# the user cannot read, and the installed KWin carries a file capability that a
# container refuses.
run=$(mktemp -d /tmp/drovanta-desktop.XXXXXX)
cp "$root/build/drovanta" "$run/"
cp -r "$(scripts/ru-locale.sh)" "$run/locale"
mkdir -p "$run/home/.config"
chown -R "$user" "$run"
chmod 700 "$run"
game_log=$run/game.log

pids=()
stop_all() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  for i in "${pids[@]}"; do wait "$i" 2>/dev/null || true; done
  pids=()
}
cleanup() {
  local status=$?
  stop_all
  rm -rf "$run"
  exit $status
}
trap cleanup EXIT INT TERM

DISPLAY=$(pick_x_display)
export DISPLAY

# Runs a command as the user, in the session of the compositor under test; in
# place of the (background) shell that calls it, so that its pid is the command's.
as_user() {
  exec setpriv --reuid="$user" --regid="$(id -g "$user")" --clear-groups \
    env -i PATH=/usr/bin:/bin HOME="$run/home" XDG_RUNTIME_DIR="$run" DISPLAY="$DISPLAY" \
    DBUS_SESSION_BUS_ADDRESS="unix:path=$run/bus" ${wayland_display:+WAYLAND_DISPLAY=$wayland_display} "$@"
}

# --- seeing: the X screen is the compositor's output ----------------------------------
capture_screen() { import -window root "$1"; }
# The box of what differs between two pictures, in device pixels: "x y w h", or
# nothing. Differences of a few pixels (a blinking caret, a moved pointer) are
# dropped: only the largest patch counts.
changed_box() {
  convert "$1" "$2" -compose difference -composite -threshold 2% \
    -morphology Close Square:4 -define connected-components:verbose=true \
    -define connected-components:area-threshold=400 -connected-components 8 null: 2>/dev/null |
    awk 'NR > 1 && $NF == "srgb(255,255,255)" || NR > 1 && $NF == "gray(255)" {
      split($2, g, /[x+]/); a = $4 + 0; if (a > best) { best = a; box = g[3] " " g[4] " " g[1] " " g[2] } }
      END { if (box != "") print box }'
}
logical_centre() {  # of a device box "x y w h": "x y" in logical pixels
  local x y w h
  read -r x y w h <<<"$1"
  echo "$(((x + w / 2) / scale)) $(((y + h / 2) / scale))"
}
# Whether a region "x y w h" (device pixels) looks the same in two pictures: at
# most 3 % of its pixels differ. The title bar is left out: it changes with the focus.
region_unchanged() {
  local x y w h title=$((40 * scale)) diff
  read -r x y w h <<<"$3"
  diff=$(compare -metric AE -fuzz 8% "$1[$((w))x$((h - title))+$x+$((y + title))]" \
    "$2[$((w))x$((h - title))+$x+$((y + title))]" null: 2>&1 >/dev/null) || true
  awk -v d="${diff%% *}" -v a="$((w * (h - title)))" 'BEGIN { exit !(d + 0 <= 0.03 * a) }'
}
# Whether a window, its frame "x y w h" in device pixels, lies over another (the
# window the player was looking at when it opened), its frame given the same way:
# its centre within 60 logical pixels of the other's. mutter with its own
# defaults places every dialog by a rule of its own (the game tells it, through
# GTK's shell protocol, that these windows are dialogs of the one on view):
# centred across its parent, with its top a third of the way down the height the
# parent has to spare ("visually centred", twice as much room below as above).
# There the window must sit so, to 8 logical pixels, and its centre within 60
# across; a small box is then more than 60 above the board's centre and still over
# it. GNOME's mutter attaches a dialog centred on its parent.
over_window() {
  local x y px py top h ptop ph want
  read -r x y <<<"$(logical_centre "$1")"
  read -r px py <<<"$(logical_centre "$2")"
  if [ "$compositor" != mutter ]; then  # gnome, kwin
    [ "$(distance "$x $y" "$px $py")" -le 60 ]
    return
  fi
  read -r _ top _ h <<<"$1"
  read -r _ ptop _ ph <<<"$2"
  want=$(((ptop + (ph - h) / 3) / scale)) top=$((top / scale))
  [ $((x > px ? x - px : px - x)) -le 60 ] && [ $((top > want ? top - want : want - top)) -le 8 ]
}
# A check that failed: the run goes on to its other checks and fails at its end.
problems=()
problem() {
  log "FAILING: $*"
  problems+=("$*")
}
distance() {  # between two logical points "x y", rounded
  local a b
  read -r a b <<<"$1"
  read -r c d <<<"$2"
  awk -v a="$a" -v b="$b" -v c="$c" -v d="$d" 'BEGIN { printf "%d", sqrt((a - c) ^ 2 + (b - d) ^ 2) + 0.5 }'
}

# --- input: through the X server ------------------------------------------------------
# mutter reads the X server's keymap, KWin its own (ru,us): for KWin a Cyrillic
# letter is sent as the Latin key it lies on.
declare -A latin_key=([Cyrillic_en]=y [Cyrillic_es]=c [Cyrillic_pe]=g [Cyrillic_u]=e
  [Cyrillic_i]=b [Cyrillic_o]=j [Cyrillic_yu]=period [Cyrillic_tse]=w [Cyrillic_a]=f
  [Cyrillic_be]=comma [Cyrillic_yeru]=s)
keys() {
  local k out=() letter
  for k in "$@"; do
    if [ "$wm" = kwin ]; then
      letter=${k##*+}
      [ -n "${latin_key[$letter]:-}" ] && k=${k%"$letter"}${latin_key[$letter]}
    fi
    out+=("$k")
  done
  xdotool key --delay 60 "${out[@]}"
}
click_at() { xdotool mousemove "$1" "$2" sleep 0.2 click 1; }  # device pixels
park_pointer() { xdotool mousemove "$((screen_w - 2))" "$((screen_h - 2))"; }

# --- the compositor ---------------------------------------------------------------------
# GNOME Shell's settings for mutter, as GNOME sessions run it: modal dialogs
# attached to their parents. Without a dconf database of its own, mutter then reads
# the schemas' defaults, these among them.
gnome_schemas() {
  local dir=$run/gnome-schemas
  if [ ! -f "$dir/gschemas.compiled" ]; then
    mkdir -p "$dir"
    cp /usr/share/glib-2.0/schemas/*.xml "$dir/"
    printf '[org.gnome.mutter]\nattach-modal-dialogs=true\n' >"$dir/90_gnome-shell.gschema.override"
    glib-compile-schemas "$dir"
    chmod -R a+rX "$dir"
  fi
  echo "$dir"
}

start_compositor() {
  compositor=$1 scale=$2 wm=$1
  [ "$compositor" = gnome ] && wm=mutter
  wayland_display=
  local name=${prefix}$compositor-$scale
  # The output: 1400 x 1000 logical at scale 1, 950 x 700 logical at scale 2.
  if [ "$scale" = 1 ]; then screen_w=1400 screen_h=1000; else screen_w=1900 screen_h=1400; fi
  Xvfb "$DISPLAY" -screen 0 "${screen_w}x${screen_h}x24" -nolisten tcp >"$work/xvfb-$compositor-$scale.log" 2>&1 &
  pids+=($!)
  within 10 xdotool getdisplaygeometry >/dev/null 2>&1 || fail "Xvfb did not come up on $DISPLAY"
  rm -f "$run/bus"
  as_user dbus-daemon --session --nofork --address="unix:path=$run/bus" >/dev/null 2>&1 &
  pids+=($!)
  within 10 test -S "$run/bus" || fail "the session bus did not come up"
  local log=$work/$compositor-$scale.log
  if [ "$wm" = mutter ]; then
    local mutter_env=(LIBGL_ALWAYS_SOFTWARE=1 "MUTTER_DEBUG_DUMMY_MODE_SPECS=${screen_w}x$screen_h")
    [ "$compositor" = gnome ] && mutter_env+=(GSETTINGS_BACKEND=memory "GSETTINGS_SCHEMA_DIR=$(gnome_schemas)")
    [ "$scale" = 1 ] || mutter_env+=("MUTTER_DEBUG_DUMMY_MONITOR_SCALES=$scale")
    as_user env "${mutter_env[@]}" mutter --nested --wayland --no-x11 --wayland-display "$name" >"$log" 2>&1 &
  else
    [ -x "$run/kwin_wayland" ] || { cp /usr/bin/kwin_wayland "$run/"; chown "$user" "$run/kwin_wayland"; }
    printf '[Layout]\nLayoutList=ru,us\nUse=true\n' >"$run/home/.config/kxkbrc"
    chown "$user" "$run/home/.config/kxkbrc"
    as_user "$run/kwin_wayland" --x11-display "$DISPLAY" --width $((screen_w / scale)) \
      --height $((screen_h / scale)) --scale "$scale" --socket "$name" >"$log" 2>&1 &
  fi
  pids+=($!)
  within 30 test -S "$run/$name" || fail "$compositor did not come up (see $log)"
  wayland_display=$name
  # mutter sets the X keymap once it is up: the Cyrillic keycodes come after.
  if [ "$wm" = mutter ]; then
    sleep 1
    map_cyrillic_keycodes
  fi
  sleep 1
  park_pointer
  capture_screen "$run/empty.png"
}

start_game() {
  as_user env LOCPATH="$run/locale" LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 QT_QPA_PLATFORM=wayland \
    "$run/drovanta" >"$game_log" 2>&1 &
  game_pid=$!
  pids+=($game_pid)
}
# Whether the game runs (an ended game waits as a zombie until the shell reaps it).
running() { [ -r "/proc/$game_pid/status" ] && ! grep -qs '^State:.*zombie' "/proc/$game_pid/status"; }
alive() { running || fail "the game is gone"; }

# A window on the screen that was empty: the box of what differs from the empty
# screen, once it holds still (two looks alike). Sets `found`.
# The window on a picture: the largest patch that differs from the empty screen
# (which leaves out the pointer that mutter draws, wherever it is).
windows_box() { changed_box "$run/empty.png" "$1"; }
window_box() {
  capture_screen "$run/now.png"
  local box
  box=$(windows_box "$run/now.png")
  [ -n "$box" ] || return 1
  if [ "$box" = "${last_box:-}" ]; then found=$box; return 0; fi
  last_box=$box
  return 1
}
wait_window() { last_box= found=; within "$1" window_box; }

# The board's client area, from its frame: the frame is the client plus a title
# bar at the top and a border of one width on the other three sides.
board_at() {  # frame box -> sets bx by (the client's top-left), bfx bfy bfw bfh
  read -r bfx bfy bfw bfh <<<"$1"
  local border=$(((bfw - board_w * scale) / 2))
  bx=$((bfx + border)) by=$((bfy + bfh - border - board_h * scale))
}
# A logical point of the board's client as a device point of the screen.
on_board() { echo "$((bx + $1 * scale)) $((by + $2 * scale))"; }
look_at_role() {  # a main board role's pixels, checksummed
  local l t w h
  read -r l t w h <<<"${role_box[$1]}"
  # A few pixels in from its edges: the client's place is known to a pixel or two.
  convert "$run/look.png" -crop "$(((w - 8) * scale))x$(((h - 8) * scale))+$((bx + (l + 4) * scale))+$((by + (t + 4) * scale))" \
    +repage -depth 8 rgb:- | md5sum | cut -c1-32
}
time_look() { capture_screen "$run/look.png" && look_at_role time_left; }
time_changed() { [ "$(time_look)" != "$1" ]; }
starts_a_round() {
  local before
  before=$(time_look)
  keys alt+Cyrillic_en
  within 6 time_changed "$before"
}

# --- the checks at one compositor and scale -------------------------------------------
check_desktop() {
  start_compositor "$1" "$2"
  local what="$compositor at scale $scale"
  start_game
  wait_window 90 || fail "the main board did not appear under $what"
  board_at "$found"
  local board_frame=$found first_frame=$found
  log "$what: the main board's frame is $bfw x $bfh device pixels at $bfx,$bfy"
  # The client is the layout's size: the frame is wider by two equal borders and
  # taller by a title bar (of 20 to 50 logical pixels) and one border.
  local extra_w=$((bfw - board_w * scale)) extra_h=$((bfh - board_h * scale))
  [ "$extra_w" -ge 0 ] && [ "$extra_w" -le $((12 * scale)) ] &&
    [ "$extra_h" -ge $((20 * scale)) ] && [ "$extra_h" -le $((56 * scale)) ] ||
    fail "under $what the board's frame is $bfw x $bfh device pixels, not a $board_w x $board_h board with a title bar"

  # The opening scene plays out first; then the board is still.
  sleep 6
  starts_a_round || fail "Alt+Н did not start a round under $what"
  log "$what: Alt+Н started a round"
  keys alt+Cyrillic_es  # stop: the board holds still for the pictures below
  sleep 0.5

  # No maximise: neither a double click on the title bar nor mutter's own key for
  # it (Super+Up) moves or grows the board.
  local title_y=$((bfy + 12 * scale))
  xdotool mousemove "$((bfx + bfw / 2))" "$title_y" click --repeat 2 --delay 80 1
  sleep 1
  local tried="a double click on the title bar"
  [ "$wm" = mutter ] && { keys super+Up; sleep 1; tried+=", Super+Up"; }
  park_pointer
  sleep 0.5
  capture_screen "$run/now.png"
  local moved
  moved=$(windows_box "$run/now.png")
  [ "$moved" = "$board_frame" ] ||
    fail "under $what the board's frame went from $board_frame to ${moved:-nothing} after a maximise"
  log "$what: no maximise ($tried)"

  # The title bar moves the board: dragged 60 logical pixels right and 30 down,
  # the frame follows, its size the same.
  local want
  read -r x y w h <<<"$board_frame"
  want="$((x + 60 * scale)) $((y + 30 * scale)) $w $h"
  xdotool mousemove "$((x + w / 3))" "$title_y" mousedown 1 sleep 0.3 \
    mousemove "$((x + w / 3 + 30 * scale))" "$((title_y + 15 * scale))" sleep 0.3 \
    mousemove "$((x + w / 3 + 60 * scale))" "$((title_y + 30 * scale))" sleep 0.3 mouseup 1
  park_pointer
  wait_window 10 || fail "under $what the board was not seen after a drag of its title bar"
  [ "$found" = "$want" ] ||
    fail "under $what a drag of the title bar took the board's frame from $board_frame to $found, not $want"
  board_at "$found"
  board_frame=$found
  log "$what: a drag of the title bar moved the board to $bfx,$bfy"

  # The information window over the board, and back.
  keys alt+Cyrillic_i
  sleep 1
  wait_window 20 || fail "Alt+И showed no window under $what"
  local info_frame=$found board_centre info_centre d
  [ "$info_frame" != "$board_frame" ] || fail "Alt+И left the board on view under $what"
  board_centre=$(logical_centre "$board_frame")
  info_centre=$(logical_centre "$info_frame")
  d=$(distance "$board_centre" "$info_centre")
  capture_screen "$work/info-$compositor-$scale.png"
  over_window "$info_frame" "$board_frame" || problem "under $what the information window's centre ($info_centre) is $d logical px from the board's ($board_centre)"
  log "$what: the information window's centre is $d logical px from the board's ($info_centre, $board_centre)"
  info_distance[$compositor-$scale]=$d
  keys alt+Cyrillic_o
  sleep 1
  wait_window 20 || fail "Alt+О brought no window back under $what"
  board_at "$found"
  board_frame=$found
  board_centre=$(logical_centre "$board_frame")
  d=$(distance "$board_centre" "$info_centre")
  over_window "$board_frame" "$info_frame" ||
    problem "under $what the board came back with its centre ($board_centre) $d logical px from the information window's ($info_centre)"
  log "$what: Alt+О brought the board back over the information window, at $bfx,$bfy, its centre $d logical px from the window's"
  alive

  # The refused interval's message box.
  capture_screen "$run/before-box.png"
  # shellcheck disable=SC2046
  click_at $(on_board $(role_middle interval_box))
  keys ctrl+a 7 5 0 0 5 alt+Cyrillic_u
  park_pointer
  sleep 1.5
  capture_screen "$run/box.png"
  cp "$run/box.png" "$work/box-$compositor-$scale.png"
  local box box_centre
  box=$(changed_box "$run/before-box.png" "$run/box.png")
  [ -n "$box" ] || fail "under $what no message box showed for the interval 75005"
  box_centre=$(logical_centre "$box")
  d=$(distance "$board_centre" "$box_centre")
  over_window "$box" "$board_frame" || problem "under $what the message box's centre ($box_centre) is $d logical px from the board's ($board_centre)"
  log "$what: the message box's centre is $d logical px from the board's ($box_centre, $board_centre)"
  box_distance[$compositor-$scale]=$d
  # A click on the board's start button: the board takes none while the box is
  # open, and the box stays above it.
  local before
  before=$(time_look)
  # shellcheck disable=SC2046
  click_at $(on_board $(role_middle start_button))
  park_pointer
  sleep 1.5
  [ "$(time_look)" = "$before" ] || fail "under $what the board took a click while its message box was open"
  capture_screen "$run/after-click.png"
  region_unchanged "$run/box.png" "$run/after-click.png" "$box" ||
    fail "under $what the message box did not stay above the board after a click on the board"
  # The player answers it: a click on it and Enter.
  read -r x y w h <<<"$box"
  click_at "$((x + w / 2))" "$((y + h / 2))"
  keys Return
  park_pointer
  sleep 1
  capture_screen "$run/now.png"
  ! region_unchanged "$run/box.png" "$run/now.png" "$box" || fail "under $what the message box did not close on Enter"
  keys ctrl+a 7 5 0 alt+Cyrillic_u
  starts_a_round || fail "under $what Alt+Н did not start a round after the message box"
  log "$what: the board took no click under its message box, and a round starts after it"

  # The close control of the title bar (the rightmost button, Qt's own or the
  # compositor's) during a round ends the game at once, and quietly.
  click_at "$((bfx + bfw - 18 * scale))" "$((bfy + 16 * scale))"
  within 5 eval '! running' || fail "under $what the title bar's close button did not end the game"
  wait "$game_pid" 2>/dev/null && status=0 || status=$?
  [ "$status" = 0 ] || fail "under $what the game ended with status $status"
  [ ! -s "$game_log" ] || fail "under $what the game wrote on its output"
  log "$what: the title bar's close button ended the game during a round, with nothing on its output"
  close_again "$closes" "$first_frame"
  stop_all
}

# Whether two frames "x y w h" (device pixels) are one: the same size, and places
# within 4 logical pixels (KWin puts a window back a pixel or two off).
near_frame() {
  local x y w h x2 y2 w2 h2
  read -r x y w h <<<"$1"
  read -r x2 y2 w2 h2 <<<"$2"
  [ "$w $h" = "$w2 $h2" ] && [ $((x > x2 ? x - x2 : x2 - x)) -le $((4 * scale)) ] &&
    [ $((y > y2 ? y - y2 : y2 - y)) -le $((4 * scale)) ]
}

# Closes the game again and again during a round, after a visit to the information
# window: each time it must end at once with nothing on its output. The board opens
# where it opened first, and comes back there from the information window. Under mutter every other close is its key, Alt+F4 (nested
# KWin takes no global keys), the others the title bar's close button.
close_again() {
  local n=$1 i x y w h how
  read -r x y w h <<<"$2"
  for ((i = 1; i <= n; i++)); do
    # The pointer off the close button where the last board was: its tooltip
    # would show on the new one.
    park_pointer
    start_game
    sleep 3
    keys alt+Cyrillic_i
    sleep 1
    keys alt+Cyrillic_o
    sleep 1
    wait_window 20 || fail "under $what close $i of $n: Alt+О brought no window back"
    near_frame "$found" "$2" || fail "under $what close $i of $n: the board came back at $found, not where it opened ($2)"
    keys alt+Cyrillic_en
    sleep $((1 + i % 2)).$((i % 10))
    if [ "$wm" = mutter ] && ((i % 2)); then
      how=Alt+F4
      keys alt+F4
    else
      how="the close button"
      click_at "$((x + w - 18 * scale))" "$((y + 16 * scale))"
    fi
    within 5 eval '! running' || fail "under $what close $i of $n ($how) did not end the game"
    wait "$game_pid" && status=0 || status=$?
    [ "$status" = 0 ] || fail "under $what close $i of $n ($how) ended the game with status $status"
    [ ! -s "$game_log" ] || fail "under $what close $i of $n ($how) left output from the game"
  done
  [ "$n" -eq 0 ] || log "$what: $n closes more, each quiet$([ "$wm" = mutter ] && echo ", every other one by Alt+F4")"
}

closes=${DROVANTA_CLOSES:-1}
declare -A info_distance box_distance
compositors=("$@")
[ ${#compositors[@]} -gt 0 ] || compositors=(gnome mutter kwin)
for c in "${compositors[@]}"; do
  case $c in
    gnome | kwin) scales=(1 2) ;;
    mutter) scales=(1) ;;
    *) echo "desktop-test: gnome, mutter or kwin, not $c" >&2; exit 2 ;;
  esac
  for s in "${scales[@]}"; do check_desktop "$c" "$s"; done
done
for k in "${!info_distance[@]}"; do
  log "$k: information window ${info_distance[$k]} px, message box ${box_distance[$k]} px from the board's centre"
done
[ ${#problems[@]} -eq 0 ] || fail "${#problems[@]} checks failed: $(printf '%s; ' "${problems[@]}")"
log "passed"
