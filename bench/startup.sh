#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up as a whole process: from exec to the first paint of the first
# question's line image on a 1024 × 768 Xvfb screen, side by side with the
# bare Japanese Qt window (bench/bare_window) in the same run.
#
#   bench/startup.sh [BUILD_DIR [PAIRS]]     (defaults: build-bench, 20)
#
# BUILD_DIR is a build configured with -DTALVOREN_BUILD_BENCH=ON.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build-bench}" && pwd)
pairs=${2:-20}
program=$build/app/talvoren
yardstick=$build/bench/bare_window
for f in "$program" "$yardstick"; do
  [[ -x $f ]] || { echo "missing $f: build with -DTALVOREN_BUILD_BENCH=ON" >&2; exit 2; }
done

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A screen of its own; -displayfd picks a free display number.
Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp >"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.05; done
[[ -s $work/display ]] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=:$(head -n1 "$work/display")
export QT_QPA_PLATFORM=xcb TALVOREN_EXIT_AFTER_FIRST_PAINT=1
# No saved zoom or records of the user's: a configuration and data home of
# this run, and a working directory with the default question set.
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
mkdir -p "$work/cwd" && cp "$root/data/Question.ine" "$work/cwd/"
cd "$work/cwd"

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
python3 "$root/bench/startup_pairs.py" "$pairs" "$program" "$yardstick"
echo "load average after:  $(cut -d' ' -f1-3 /proc/loadavg)"
