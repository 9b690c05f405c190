#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the program's icon at the fixed sizes of the icon theme from its SVG
# (app/icons/SIZE/), for the desktops that do not scale SVG icons.
# Run it again after changing the SVG, and commit the pictures.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v rsvg-convert >/dev/null || { echo "make-icons.sh: needs rsvg-convert (apt-get install librsvg2-bin)" >&2; exit 1; }
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "app/icons/$size"
  rsvg-convert -w "$size" -h "$size" app/io.github.talvoren.talvoren.svg -o "app/icons/$size/io.github.talvoren.talvoren.png"
done
