#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs every Debian package that building, running and testing Talvoren needs.
# Safe to run again: apt-get skips what is already installed.
# Usage: scripts/install-deps.sh [PACKAGE...]  (named packages instead of the list)
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 qt6-translations-l10n
  libgl-dev
  fonts-urw-base35 fonts-ipafont-mincho fonts-ipafont-gothic fontconfig
  xvfb xauth imagemagick xdotool poppler-utils
  desktop-file-utils appstream
  # 読み上げ: Qt's text-to-speech (its CMake files want the QML ones), the
  # Japanese voice the WAV test speaks with, and the AT-SPI walk's bridge.
  qt6-speech-dev qt6-declarative-dev espeak-ng
  python3-pyatspi at-spi2-core dbus-daemon
)
[ "$#" -eq 0 ] || packages=("$@")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
