#!/usr/bin/env bash
# Installs every Debian package the build, the tests, the benchmarks and the screenshots need.
# Idempotent: packages that are already installed are skipped.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-charts-dev libqt6opengl6-dev libxkbcommon-dev libgl-dev
  libzip-dev zlib1g-dev libglib2.0-dev libxxhash-dev
  libgtest-dev libgmock-dev
  xvfb xauth imagemagick fonts-dejavu-core fonts-liberation
  zip unzip python3 time bc btrfs-progs poppler-utils
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
