#!/usr/bin/env bash
# Start-up of the game against a bare Qt Widgets window of the same size and
# colour, launched alternately on a private Xvfb display and watched from outside:
# exec to first frame, resident memory once up, processor use while idle.
#   bench/startup.sh [runs]      (default 7 runs of each; needs a built tree)
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-7}"
probe=build/bench/drovanta_first_frame
[ -x "$probe" ] || { echo "build first: $probe is missing (needs libxcb-damage0-dev)" >&2; exit 1; }
command -v Xvfb >/dev/null || { echo "needs Xvfb (apt-get install xvfb)" >&2; exit 1; }

# DROVANTA_X_DISPLAY picks the display where several checks share a machine.
display=${DROVANTA_X_DISPLAY:-:$(( 90 + RANDOM % 9 ))}
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
export DISPLAY=$display

# The game's opening scene keeps it busy for about five seconds: idle is
# measured after it, for both programs alike.
measure() { "$probe" --idle-after 6 --idle-for 4 -- "$@" 2>/dev/null; }
declare -a game bare
for ((i = 0; i < runs; i++)); do
  bare+=("$(measure build/bench/drovanta_bare_window)")
  game+=("$(measure build/drovanta)")
done

median() { sort -n | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }
field() { printf '%s\n' "$@" | sed -n "s/.*$field=\([0-9.]*\).*/\1/p" | median; }
printf '| %-24s | %10s | %10s | %6s |\n' "median of $runs runs" "game" "bare Qt" "ratio"
printf '|%s|%s|%s|%s|\n' "--------------------------" "------------" "------------" "--------"
for field in first_frame_ms first_frame_cpu_ms rss_kib idle_cpu_percent; do
  g=$(field "${game[@]}"); b=$(field "${bare[@]}")
  ratio=$(awk -v g="$g" -v b="$b" 'BEGIN { if (b > 0) printf "%.2f", g / b; else print "-" }')
  printf '| %-24s | %10s | %10s | %6s |\n' "$field" "$g" "$b" "$ratio"
done
