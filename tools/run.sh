#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the application and starts it on the
# desktop. Usage: tools/run.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
build=${1:-build}
cmake -S . -B "$build" -G Ninja
cmake --build "$build" --target cyclane-duvivarode -j "$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Built $build/app/cyclane-duvivarode, but there is no desktop to show it on" >&2
  echo "(neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
  exit 1
fi
exec "$build/app/cyclane-duvivarode"
