#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Quiet and quick when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev
  libfreeimage-dev libdevil-dev libarchive-dev zlib1g-dev libpng-dev libjpeg-dev
  libcairo2-dev libfontconfig-dev libfreetype-dev
  fonts-liberation fonts-liberation2 fonts-dejavu-core
  libgtest-dev googletest
  python3 python3-pil zip
)
if [ "${1:-}" = "--bench" ]; then
  packages+=(imagemagick time)
fi
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
