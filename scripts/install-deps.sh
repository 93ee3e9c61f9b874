#!/usr/bin/env bash
# Installs the Debian packages TORVEL ARENA needs to build, run and test (run as root).
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
packages=(
  g++ cmake ninja-build pkg-config
  libsdl2-dev libsdl2-mixer-dev libgl-dev libglu1-mesa-dev libgl1-mesa-dri
  libpng-dev libjpeg-dev nlohmann-json3-dev
  libfreetype-dev fonts-dejavu-core fonts-dejavu-extra
  libenet-dev libvorbis-dev
  libgtest-dev libbenchmark-dev
  xvfb xauth
  desktop-file-utils appstream dpkg-dev file
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
