#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs walk_names.py against PROGRAM on a virtual X display in a D-Bus
# session of its own, the toolkit's accessibility bridge on. Exits 77 (a
# skipped test) when Xvfb, D-Bus, the AT-SPI bus or pyatspi are missing.
set -eu
program=$1
here=$(cd "$(dirname "$0")" && pwd)
for tool in xvfb-run dbus-run-session /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is missing"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skipped: pyatspi is missing"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '<<test\r\n2x+3<5\r\n>>\r\n' > "$work/Question.ine"
cd "$work"
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
exec xvfb-run -a -s '-screen 0 1024x768x24' dbus-run-session -- /usr/bin/python3 "$here/walk_names.py" "$program"
