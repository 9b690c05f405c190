#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the AppStream screenshots (app/screenshots/) from the running
# program: a sample question solved by keyboard on a 1024 x 768 virtual
# screen, pictured with a step being typed and once solved.
# usage: scripts/make-screenshots.sh [PROGRAM]   (default build/app/talvoren)
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(readlink -f "${1:-build/app/talvoren}")
out=$PWD/app/screenshots
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '<<Sample\r\n-2x+3<7\r\n>>\r\n' >"$work/Question.ine"

cat >"$work/solve.sh" <<SCRIPT
set -euo pipefail
"$program" & pid=\$!
sleep 5
window=\$(xdotool search --onlyvisible --name "Merulan Talvoren" | head -1)
xdotool windowfocus --sync "\$window"
keys() { for k in "\$@"; do xdotool key "\$k"; sleep 0.7; done; }
shot() { import -window root -crop 1024x740+0+0 +repage "$out/\$1.png"; }
keys 1 minus 3 Return 2 slash minus 2
shot question
keys Return
sleep 1.5
shot solved
kill "\$pid"
SCRIPT
(cd "$work" && HOME=$work xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/solve.sh")
ls -l "$out"
