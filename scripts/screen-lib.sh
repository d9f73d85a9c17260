# What every screen test shares (scripts/x-test.sh, wayland-test.sh,
# desktop-test.sh): logging, waiting by polling, failing with the screen kept,
# the keys of random play, and the places of the windows and their elements as
# build/drovanta_geometry reads them from the layouts. Each test brings only its
# own way of seeing the screen and of sending input.
# Sourced, not run. Before sourcing, a test sets:
#   screen_test   its name, for the log ("x-test")
#   work          a folder for its logs and pictures
# and may define `capture_screen FILE.png` (the screen at a failure) and
# `game_log` (the file the game writes its output to).

screen_started=$(date +%s)
log() { printf '[%s %3ds] %s\n' "$screen_test" "$(($(date +%s) - screen_started))" "$*"; }

# The screen and the game's output at the moment of failing are kept in $work.
fail() {
  log "FAILED: $*"
  if declare -F capture_screen >/dev/null && capture_screen "$work/failure.png" 2>/dev/null; then
    log "the screen at that moment: $work/failure.png"
  fi
  if [ -n "${game_log:-}" ] && [ -s "$game_log" ]; then
    echo "--- the game's output:"
    tail -20 "$game_log"
  fi
  exit 1
}

# The X display to run on: DROVANTA_X_DISPLAY, or the first free one from :91.
pick_x_display() {
  local n
  if [ -n "${DROVANTA_X_DISPLAY:-}" ]; then
    echo "$DROVANTA_X_DISPLAY"
    return
  fi
  for n in $(seq 91 120); do
    x_display_free "$n" && { echo ":$n"; return; }
  done
}
# Whether display N is free: no lock file, no socket file, and no abstract socket,
# which a server in another root on this network namespace may hold with no file
# here (an X server started there fails: it cannot listen).
x_display_free() {
  [ ! -e "/tmp/.X$1-lock" ] && [ ! -e "/tmp/.X11-unix/X$1" ] &&
    ! grep -q "@/tmp/.X11-unix/X$1\$" /proc/net/unix
}

# Runs the command again every tenth of a second until it succeeds, for at most
# the given number of seconds.
within() {
  local until=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$until" ] || return 1
    sleep 0.1
  done
}

# The keys of random play, as X keysym names: every access key of both windows,
# two that belong to no button, and the keys of focus and editing.
random_keys=(alt+Cyrillic_en alt+Cyrillic_es alt+Cyrillic_pe alt+Cyrillic_u alt+Cyrillic_i
  alt+Cyrillic_o alt+Cyrillic_yu alt+Cyrillic_tse alt+Cyrillic_a alt+Cyrillic_be
  alt+Cyrillic_yeru alt+y alt+x Tab Return space Escape 7 5 0 BackSpace)
# The Cyrillic letters among them, which an X server must be given keycodes for.
cyrillic_letters=(Cyrillic_en Cyrillic_es Cyrillic_pe Cyrillic_u Cyrillic_i Cyrillic_o
  Cyrillic_yu Cyrillic_tse Cyrillic_a Cyrillic_be Cyrillic_yeru)

# Gives each Cyrillic letter a keycode of its own on the X server in $DISPLAY, so
# that xdotool never remaps a key between presses (the receiver would read the
# press under the old mapping).
map_cyrillic_keycodes() {
  local free i lower
  mapfile -t free < <(xmodmap -pke | awk 'NF == 3 && $2 >= 100 { print $2 }' | tail -n "${#cyrillic_letters[@]}")
  [ "${#free[@]}" -eq "${#cyrillic_letters[@]}" ] || fail "not enough free keycodes"
  for i in "${!cyrillic_letters[@]}"; do
    lower=${cyrillic_letters[i]#Cyrillic_}
    xmodmap -e "keycode ${free[i]} = ${cyrillic_letters[i]} Cyrillic_${lower^^}"
  done
}

# --- the places, from the layouts ----------------------------------------------------
# read_layout fills:
#   board_window, info_window    the windows' names (the main board comes first)
#   board_title, info_title      their titles
#   board_client, info_client    their client sizes in logical pixels, "width height"
#   role_box[ROLE]               "left top width height" of a main board element,
#                                by the part it plays (time_left, cell0, ...)
declare -A role_box
read_layout() {
  local layout
  layout=$("$root/build/drovanta_geometry") || fail "drovanta_geometry failed"
  local windows
  mapfile -t windows < <(awk '$2 == "client" { print $1 }' <<<"$layout")
  [ "${#windows[@]}" -eq 2 ] || fail "drovanta_geometry names ${#windows[@]} windows, not 2"
  board_window=${windows[0]} info_window=${windows[1]}
  caption() { awk -v w="$1" '$1 == w && $2 == "caption" { print substr($0, length(w) + 10) }' <<<"$layout"; }
  client() { awk -v w="$1" '$1 == w && $2 == "client" { print $3, $4 }' <<<"$layout"; }
  board_title=$(caption "$board_window") info_title=$(caption "$info_window")
  board_client=$(client "$board_window") info_client=$(client "$info_window")
  eval "$(awk -v w="$board_window" '
    $1 != w { next }
    $2 == "role" { role[$3] = $4; next }
    NF == 6 { box[$2] = $3 " " $4 " " $5 " " $6 }
    END { for (r in role) printf "role_box[%s]=\"%s\"\n", r, box[role[r]] }' <<<"$layout")"
  local r
  for r in time_left score interval_box final_panel cell0 cell11; do
    [ -n "${role_box[$r]:-}" ] || fail "drovanta_geometry names no $r"
  done
}

# The middle of a main board role's box, in logical pixels of the client: "x y".
role_middle() {
  local l t w h
  read -r l t w h <<<"${role_box[$1]}"
  echo "$((l + w / 2)) $((t + h / 2))"
}

# Whether the game's output holds a warning or a crash: the toolkit's warnings
# begin "QSomething" or name a failure, the C++ runtime's say "terminate".
game_output_clean() {
  ! grep -Eq 'terminate called|Segmentation|Aborted|AddressSanitizer|^Q[A-Za-z]+(::|:)|[Ww]arning|[Cc]ritical|failure' "$1"
}
