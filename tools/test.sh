#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, configures, builds and runs the whole test suite.
# Usage: tools/test.sh [build-dir [extra cmake options...]]
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
build=${1:-build}
shift || true
cmake -S . -B "$build" -G Ninja "$@"
cmake --build "$build" -j "$(nproc)"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
