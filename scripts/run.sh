#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what Talvoren needs, builds it, and starts it in run/, a working
# directory that holds a copy of the default question set. The practice
# records written there stay out of git. Without a display the program is
# started on a virtual screen (xvfb-run).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target talvoren

mkdir -p run
[ -f run/Question.ine ] || cp data/Question.ine run/Question.ine
cd run

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: no display (DISPLAY is not set); starting Talvoren under xvfb-run on a 1024x768 virtual screen." >&2
  exec xvfb-run -a -s "-screen 0 1024x768x24" ../build/app/talvoren
fi
exec ../build/app/talvoren
