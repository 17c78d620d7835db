#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up, the splash's Ok and memory of the program against a plain Qt
# Widgets window with one label and one push button (bench/barewindow), built
# in the same tree, on a private Xvfb, all runs interleaved:
# - start-up: process start to the first mapped window (the X server's
#   MapNotify, seen by bench/mapwatch);
# - Ok: the splash's Ok pressed (XTest) to the calendar window painted whole
#   (DAMAGE), with the update check as a first start has it and switched off;
# - memory: resident set and proportional set once settled, the program's
#   after the update check has ended and nothing has been painted for 1.5 s.
# Every program start has fresh settings and temporary folders.
# Usage: bench/startup.sh [runs [build-dir]]
# With CYC_BASELINE set to another build of the program, that build is
# measured in the same runs too, for a before and after.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
build=${2:-build-bench}
cmake -S . -B "$build" -G Ninja -DCYC_BENCH=ON >/dev/null
cmake --build "$build" -j 3 --target cyclane-duvivarode barewindow mapwatch checkoff >/dev/null
app="$PWD/$build/app/cyclane-duvivarode"
bare="$PWD/$build/bench/barewindow"
watch="$PWD/$build/bench/mapwatch"
checkoff="$PWD/$build/bench/checkoff"
baseline=${CYC_BASELINE:-}

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
# A private server that only our cookie opens, on no TCP port. A free display
# number is chosen by the server; a start that loses a race for it is tried
# again. The server accepts the cookie whatever display its entry names.
export XAUTHORITY="$work/xauthority"
cookie=$(mcookie)
xauth -q -f "$XAUTHORITY" add :0 MIT-MAGIC-COOKIE-1 "$cookie" 2>/dev/null
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
unset SESSION_MANAGER

# Fresh settings, desktop and temporary folders for the next start, nothing
# of the user's touched; "off" stores the update check switched off. Fresh
# settings open the update check after the splash, as a first start does.
fresh() {
  rm -rf "$work/home" "$work/run" "$work/tmp"
  export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DESKTOP_DIR="$work/home/Desktop"
  export XDG_RUNTIME_DIR="$work/run" TMPDIR="$work/tmp"
  mkdir -p "$XDG_CONFIG_HOME" "$XDG_DESKTOP_DIR" "$XDG_RUNTIME_DIR" "$TMPDIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  if [ "${1:-}" = off ]; then "$checkoff"; fi
}

# The splash's Ok, at 262 across and 43 up from its bottom edge; the calendar
# window is the one whose paint ends the timing.
ok=(-c 262,-43 -n 'Cyclane Duvivarode')

stats() { grep . | sort -n | awk '{v[NR] = $1} END {printf "%.1f %.1f %.1f", v[1], (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2), v[NR]}'; echo; }
median() { stats <"$1" | cut -d' ' -f2; }
row() { read -r lo mid hi < <(stats <"$2"); printf '  %-34s %7s %7s %7s  (%s)\n' "$1" "$lo" "$mid" "$hi" "$(grep -c . "$2")"; }

programs=(app)
[ -n "$baseline" ] && programs+=(base)
declare -A binary=([app]="$app" [base]="$baseline")
declare -A label=([app]="cyclane-duvivarode" [base]="baseline")
for p in "${programs[@]}" bare; do : >"$work/$p.start"; done
for p in "${programs[@]}"; do : >"$work/$p.ok-check"; : >"$work/$p.ok-off"; done

# One untimed start of each, so that all find the fonts and libraries cached.
fresh; "$watch" -k "$app" >/dev/null
fresh; "$watch" -k "$bare" >/dev/null
[ -n "$baseline" ] && { fresh; "$watch" -k "$baseline" >/dev/null; }
for ((i = 0; i < runs; ++i)); do
  # A run the watcher gives up on (a starved machine) is left out.
  for p in "${programs[@]}"; do
    fresh; { "$watch" -k "${binary[$p]}" || true; } | cut -d' ' -f1 >>"$work/$p.start"
  done
  fresh; { "$watch" -k "$bare" || true; } | cut -d' ' -f1 >>"$work/bare.start"
  for p in "${programs[@]}"; do
    fresh; { "$watch" -k "${ok[@]}" "${binary[$p]}" || true; } | cut -d' ' -f3 >>"$work/$p.ok-check"
    fresh off; { "$watch" -k "${ok[@]}" "${binary[$p]}" || true; } | cut -d' ' -f3 >>"$work/$p.ok-off"
  done
done

echo "start-up to first mapped window, $runs runs each (ms):  min  median     max  (runs)"
for p in "${programs[@]}"; do row "${label[$p]}" "$work/$p.start"; done
row "plain Qt window, label and button" "$work/bare.start"
for p in "${programs[@]}"; do
  awk -v l="${label[$p]}" -v a="$(median "$work/$p.start")" -v b="$(median "$work/bare.start")" \
    'BEGIN {printf "  ratio of medians, %-17s %7.2f   (at most 1.15)\n", l, a / b}'
done
echo "splash Ok to the calendar window painted (ms):      min  median     max"
for p in "${programs[@]}"; do
  row "${label[$p]}, update check on" "$work/$p.ok-check"
  row "${label[$p]}, update check off" "$work/$p.ok-off"
done
echo "  (at most 20)"

# Memory once settled: RSS and PSS in kB of a program left running.
weigh() {
  local pid
  read -r _ pid _ < <("$watch" -q "$@")
  awk '/^VmRSS:/ {printf "%s ", $2}' "/proc/$pid/status"
  awk '/^Pss:/ {print $2}' "/proc/$pid/smaps_rollup"
  kill "$pid"
  while kill -0 "$pid" 2>/dev/null; do sleep 0.05; done
}
fresh; read -r bare_rss bare_pss < <(weigh "$bare")
echo "resident memory once settled (MB):          RSS     PSS   ratio of RSS"
awk -v r="$bare_rss" -v s="$bare_pss" 'BEGIN {printf "  %-34s %7.1f %7.1f\n", "plain Qt window, label and button", r / 1024, s / 1024}'
for p in "${programs[@]}"; do
  for check in on off; do
    if [ $check = on ]; then fresh; limit=1.45; else fresh off; limit=1.2; fi
    read -r rss pss < <(weigh "${ok[@]}" "${binary[$p]}")
    awk -v l="${label[$p]}, update check $check" -v r="$rss" -v s="$pss" -v b="$bare_rss" -v m=$limit \
      'BEGIN {printf "  %-34s %7.1f %7.1f %7.2f   (at most %s)\n", l, r / 1024, s / 1024, r / b, m}'
  done
done
