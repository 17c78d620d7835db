#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building, running and testing need on Debian 12 (as root),
# skipping the network when everything is already there.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libqt6opengl6-dev
  libgtest-dev libgmock-dev libbenchmark-dev libxdamage-dev libxtst-dev libpng-dev libfontconfig-dev
  clang libclang-rt-14-dev
  fonts-dejavu-core xvfb xauth tzdata openbox
  desktop-file-utils x11-utils xdotool imagemagick libx11-dev python3
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
