#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, with apt-get, whatever of the build and test dependencies this Debian 12 machine
# lacks. Does nothing (and needs no root) when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-serialport-dev qt6-qpa-plugins fonts-noto-cjk
  qt6-translations-l10n
  # The full font the embedded dialog font is cut from, for the test that they measure alike.
  fonts-arphic-uming
  libgtest-dev libgmock-dev libbenchmark-dev librapidcheck-dev
  clang libclang-rt-14-dev
  xvfb x11-utils libxcb1-dev desktop-file-utils dpkg-dev file binutils
  # The release documents and the package's checks: manual pages, lintian, AppStream.
  help2man man-db lintian appstream
  # The fault sweep (tests/faults/): failed and killed system calls, and short reads and writes.
  strace fiu-utils
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
