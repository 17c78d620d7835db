#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up and memory of the program against a bare Qt Widgets window built
# in the same tree, on a private Xvfb. Start-up is process start to the first
# mapped window (the X server's MapNotify, seen by bench/mapwatch), runs
# interleaved; memory is the resident set once the calendar window shows
# (the splash's Ok pressed) against the bare window's once it shows.
# Usage: bench/startup.sh [runs [build-dir]]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
build=${2:-build-bench}
cmake -S . -B "$build" -G Ninja -DCYC_BENCH=ON >/dev/null
cmake --build "$build" -j 4 --target cyclane-duvivarode barewindow mapwatch >/dev/null
app="$PWD/$build/app/cyclane-duvivarode"
bare="$PWD/$build/bench/barewindow"
watch="$PWD/$build/bench/mapwatch"

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
# A free display number, chosen by the server; a start that loses a race
# for it is tried again. Only holders of the cookie may connect.
export XAUTHORITY="$work/xauthority"
cookie=$(mcookie)
# The server reads every cookie in the file; its display number comes later.
xauth -q -f "$XAUTHORITY" add :0 MIT-MAGIC-COOKIE-1 "$cookie"
for attempt in 1 2 3; do
  : >"$work/display"
  exec 3>"$work/display"
  Xvfb -displayfd 3 -auth "$XAUTHORITY" -noreset -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  exec 3>&-
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
  export DISPLAY=":$(head -n 1 "$work/display")"
  xauth -q -f "$XAUTHORITY" add "$DISPLAY" MIT-MAGIC-COOKIE-1 "$cookie"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break 2; sleep 0.1; done
  kill "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=
done
[ -n "$xvfb_pid" ] || { echo "startup.sh: no X server could be started" >&2; exit 1; }
# Fresh settings and desktop, nothing of the user's touched. Fresh settings
# also open the update check after the splash, as a first start does.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DESKTOP_DIR="$work/home/Desktop"
export XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DESKTOP_DIR" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset SESSION_MANAGER

stats() { sort -n | awk '{v[NR] = $1} END {printf "%.1f %.1f %.1f", v[1], (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2), v[NR]}'; echo; }

# One untimed start of each, so both find the fonts and libraries cached.
"$watch" -k "$app" >/dev/null
"$watch" -k "$bare" >/dev/null
: >"$work/app.ms"
: >"$work/bare.ms"
for ((i = 0; i < runs; ++i)); do
  "$watch" -k "$app" | cut -d' ' -f1 >>"$work/app.ms"
  "$watch" -k "$bare" | cut -d' ' -f1 >>"$work/bare.ms"
done
read -r amin amed amax < <(stats <"$work/app.ms")
read -r bmin bmed bmax < <(stats <"$work/bare.ms")
echo "start-up to first mapped window, $runs runs each (ms): min median max"
printf '  cyclane-duvivarode  %6s %6s %6s\n' "$amin" "$amed" "$amax"
printf '  bare Qt window      %6s %6s %6s\n' "$bmin" "$bmed" "$bmax"
awk -v a="$amed" -v b="$bmed" 'BEGIN {printf "  ratio of medians    %.2f\n", a / b}'

rss() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }
read -r _ pid < <("$watch" "$bare")
xdotool search --sync --onlyvisible --name '^Bare window$' >/dev/null
sleep 1
bare_kb=$(rss "$pid")
kill "$pid"; wait "$pid" 2>/dev/null || true

read -r _ pid < <("$watch" "$app")
# The splash is the first window; its Ok (at 198,161 128x20 under the menu
# bar) dismisses it and the calendar window shows.
splash=$(xdotool search --sync --onlyvisible --name '^Untitled$' | head -n 1)
menu=$(( $(xwininfo -id "$splash" | awk '/Height:/ {print $2}') - 214 ))
xdotool mousemove --sync --window "$splash" 262 $(( menu + 171 )) click 1
xdotool search --sync --onlyvisible --name '^Cyclane Duvivarode$' >/dev/null
sleep 1
app_kb=$(rss "$pid")
kill "$pid"; wait "$pid" 2>/dev/null || true
echo "resident memory once the window shows (MB)"
awk -v a="$app_kb" -v b="$bare_kb" 'BEGIN {
  printf "  cyclane-duvivarode  %6.1f\n  bare Qt window      %6.1f\n  ratio               %.2f\n", a / 1024, b / 1024, a / b }'
