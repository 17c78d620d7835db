# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by run.sh and campaign.sh: builds the named fuzz targets (all of
# fuzz/*_fuzz.cpp when `targets` is empty) with clang on `jobs` cores, sets
# the sanitizers to stop at the first finding and makes a scratch folder
# `work` that goes at exit.
bash tools/install-deps.sh
build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCYC_FUZZ=ON -DCYC_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if ((${#targets[@]} == 0)); then
  for src in fuzz/*_fuzz.cpp; do
    targets+=("$(basename "$src" .cpp)")
  done
fi
cmake --build "$build" --target "${targets[@]}" -j "$jobs"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$build/artifacts"
