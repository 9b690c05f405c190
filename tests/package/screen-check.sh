#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs inside xvfb-run on a 1024 x 768 screen: starts COMMAND..., waits for
# its one window (class "talvoren", named "Merulan Talvoren", no message box
# beside it), saves the screen as SHOT, checks that line 1 of the worked page
# holds the first question and line 2 is empty, then ends the program with
# Ctrl+Q.   usage: screen-check.sh SHOT COMMAND...
set -euo pipefail
shot=$1
shift
fail() { echo "screen-check.sh: FAIL: $*" >&2; exit 1; }

"$@" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

windows=()
for _ in $(seq 1 60); do
  kill -0 "$pid" 2>/dev/null || fail "the program ended at start"
  mapfile -t windows < <(xdotool search --onlyvisible --class '^talvoren$' 2>/dev/null || true)
  # The greeting shows while the set loads; then the frame stays alone.
  if [ "${#windows[@]}" -eq 1 ] && [ "$(xdotool getwindowname "${windows[0]}")" = "Merulan Talvoren" ]; then
    break
  fi
  sleep 0.5
done
sleep 2  # let the page finish drawing
mapfile -t windows < <(xdotool search --onlyvisible --class '^talvoren$' 2>/dev/null || true)
import -window root "$shot"
kill -0 "$pid" 2>/dev/null || fail "the program ended at start"
[ "${#windows[@]}" -eq 1 ] || fail "${#windows[@]} windows of class talvoren (a message box?); screen in $shot"
name=$(xdotool getwindowname "${windows[0]}")
[ "$name" = "Merulan Talvoren" ] || fail "the window is named '$name'; screen in $shot"
eval "$(xdotool getwindowgeometry --shell "${windows[0]}")"
[ "$WIDTH" -ge 1000 ] || fail "the window is $WIDTH pixels wide, not the frame (a message box?); screen in $shot"

# Dark pixels in a part of the screen (x, y, width, height).
ink() { convert "$shot" -crop "$3x$4+$1+$2" -colorspace gray -threshold 50% -format '%[fx:round(w*h*(1-mean))]' info:; }
line1=$(ink 160 130 400 45)
line2=$(ink 160 195 400 55)
echo "screen-check.sh: dark pixels on line 1: $line1, on line 2: $line2"
[ "$line1" -gt 100 ] || fail "line 1 of the page is blank; screen in $shot"
[ "$line2" -eq 0 ] || fail "line 2 of the page is not empty; screen in $shot"

xdotool windowfocus --sync "${windows[0]}"
xdotool key ctrl+q
for _ in $(seq 1 20); do
  kill -0 "$pid" 2>/dev/null || { trap - EXIT; echo "screen-check.sh: the first question shown, ended by Ctrl+Q"; exit 0; }
  sleep 0.5
done
fail "Ctrl+Q did not end the program"
