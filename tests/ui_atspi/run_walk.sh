#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs walk_names.py against PROGRAM on a virtual X display in a D-Bus
# session of its own, the toolkit's accessibility bridge on. Exits 77 (a
# skipped test) when Xvfb, D-Bus, the AT-SPI bus or pyatspi are missing.
set -eu
program=$1
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is missing"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skipped: pyatspi is missing"; exit 77; }
work=$(mktemp -d)
xvfb=
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
# A screen of its own: -displayfd picks a free display number and writes it
# once the server accepts connections, so no other test's screen is taken and
# nothing connects before the server is ready.
Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp >"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
printf '<<test\r\n2x+3<5\r\n>>\r\n' > "$work/Question.ine"
cd "$work"
export DISPLAY=":$(head -n1 "$work/display")"
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
status=0
dbus-run-session -- /usr/bin/python3 "$here/walk_names.py" "$program" || status=$?
if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then
  echo "the virtual screen's log:"; cat "$work/xvfb.log"
fi
exit "$status"
