#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Skips apt entirely when everything is already there, so repeated runs stay fast.
set -euo pipefail
packages=(
  cmake g++ ninja-build ccache pkg-config
  qt6-base-dev qt6-serialport-dev libgl-dev
  qt6-translations-l10n socat xvfb xauth x11-utils fonts-dejavu-core fonts-liberation
  libbenchmark-dev dpkg-dev desktop-file-utils clang libclang-rt-14-dev
  clang-format clang-tidy lintian help2man
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
