#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang, replays each seed corpus, then
# fuzzes every target for its share of about a minute on a copy of its corpus
# (the repository is not changed). Exits non-zero on any crash; the crashing
# input is kept in build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
targets=()
jobs=$(nproc)
source fuzz/setup.sh
seconds=$(( 60 / ${#targets[@]} ))
(( seconds >= 10 )) || seconds=10

for target in "${targets[@]}"; do
  fuzzer="$build/fuzz/$target"
  corpus="fuzz/corpus/${target%_fuzz}"
  mkdir -p "$work/$target"
  if [ -d "$corpus" ] && [ -n "$(ls -A "$corpus")" ]; then
    echo "== $target: replaying $corpus"
    "$fuzzer" "$corpus"/*
    cp "$corpus"/* "$work/$target/"
  fi
  echo "== $target: fuzzing for ${seconds}s"
  # Files of up to 1 MB, and any unit slower than a second is a finding:
  # a slow input stalls the program's start as surely as a crash ends it.
  "$fuzzer" -max_total_time="$seconds" -max_len=1048576 -timeout=1 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$target-" "$work/$target"
done
