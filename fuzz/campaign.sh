#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A long fuzzing campaign: every target in fuzz/ for the given time, one
# after another, each on the given number of cores (default: all). New
# inputs that widen coverage are merged back into fuzz/corpus/NAME, so the
# next run and CI's short run (fuzz/run.sh) start from them. Crashing
# inputs are kept in build-fuzz/artifacts/; the script exits non-zero if
# any target found one.
# Usage: fuzz/campaign.sh [seconds-per-target [jobs [target...]]]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
jobs=${2:-$(nproc)}
shift 2 || shift $#
targets=("$@")
source fuzz/setup.sh
failed=0
summary=()

for target in "${targets[@]}"; do
  fuzzer="$build/fuzz/$target"
  corpus="fuzz/corpus/${target%_fuzz}"
  mkdir -p "$corpus" "$work/$target"
  rm -f "$build/artifacts/$target"-*
  echo "== $target: ${seconds}s on $jobs cores"
  # Each worker fuzzes the shared working copy; -fork restarts a worker
  # that finds a crash so the others go on, and counts every execution.
  # Same limits as CI: files of up to 1 MB, and a unit slower than a
  # second is a finding.
  status=0
  "$fuzzer" -fork="$jobs" -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 \
    -max_total_time="$seconds" -max_len=1048576 -timeout=1 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$target-" "$work/$target" "$corpus" \
    2>"$work/$target.log" || status=$?
  # Fork mode's status lines: "#EXECS: cov: ... oom/timeout/crash: O/T/C ...".
  last=$(grep -E '^#[0-9]+:' "$work/$target.log" | tail -n 1)
  execs=$(sed -E 's/^#([0-9]+):.*/\1/' <<<"$last")
  ooc=$(sed -nE 's#.*oom/timeout/crash: ([0-9/]+).*#\1#p' <<<"$last")
  # Keep only inputs that add coverage to what the corpus already had.
  "$fuzzer" -merge=1 "$corpus" "$work/$target" 2>/dev/null >/dev/null
  found=$(find "$build/artifacts" -name "$target-*" | wc -l)
  summary+=("$target: ${execs:-?} executions, oom/timeout/crash ${ooc:-?}, $found artifacts")
  if (( found > 0 || (status != 0 && status != 1) )); then
    failed=1
    tail -n 40 "$work/$target.log"
  fi
done

printf '%s\n' "== campaign" "${summary[@]}"
exit "$failed"
