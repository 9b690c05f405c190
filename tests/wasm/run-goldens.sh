#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every play scenario of tests/scenarios through a driver given as a
# command (the WebAssembly one under node, or the native binary) and compares
# each transcript with its golden file byte for byte. With REFERENCE set to a
# second driver command, also compares whole commands' output with it
# (solve-file on the 1,000 benchmark questions, timing figure aside; check;
# report; cells), so that the two builds are held to the same lines.
#
# Usage: tests/wasm/run-goldens.sh DRIVER...
#   e.g. tests/wasm/run-goldens.sh node build-wasm/tools/talvoren-driver.js
#        REFERENCE=build/tools/talvoren-driver tests/wasm/run-goldens.sh node ...
set -uo pipefail
[ "$#" -gt 0 ] || { echo "usage: $0 DRIVER..." >&2; exit 2; }
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
scenarios=$source_dir/tests/scenarios
driver=("$@")
# A relative driver path still names the same file from the scratch folders.
[ -e "${driver[-1]}" ] && driver[-1]=$(realpath "${driver[-1]}")
[ -e "${driver[0]}" ] && driver[0]=$(realpath "${driver[0]}")
# Without arguments the driver prints its usage and exits with 2.
status=0
"${driver[@]}" > /dev/null 2>&1 || status=$?
if [ "$status" -ne 2 ]; then
  echo "$0: '${driver[*]}' does not run as the driver (scripts/wasm.sh builds the WebAssembly one)" >&2
  exit 2
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
runs=0

report_difference() {
  echo "FAIL: $1"
  diff -u "$2" "$3" | head -40
  failures=$((failures + 1))
}

# The play test's own normalisation: record dates by their form, files beside
# the script by their names.
normalise() {
  FOLDER="$scenarios/" perl -pe 's/[0-9]{4}年[0-9]{2}月[0-9]{2}日[0-9]{2}:[0-9]{2}/YYYY年MM月DD日hh:mm/g; s/\Q$ENV{FOLDER}\E//g'
}

for script in "$scenarios"/*.play; do
  name=$(basename "$script" .play)
  work=$scratch/$name
  mkdir "$work"
  if ! (cd "$work" && "${driver[@]}" play "$script" > "$scratch/$name.raw" 2> "$scratch/$name.err"); then
    echo "FAIL: $name: the driver exited with an error"
    head -5 "$scratch/$name.err"
    failures=$((failures + 1))
  fi
  normalise < "$scratch/$name.raw" > "$scratch/$name.out"
  cmp -s "$scenarios/$name.expected" "$scratch/$name.out" ||
    report_difference "$name.play" "$scenarios/$name.expected" "$scratch/$name.out"
  runs=$((runs + 1))
done

if [ -n "${REFERENCE:-}" ]; then
  read -r -a reference <<< "$REFERENCE"
  untimed() { sed -E 's/^(solved: .*; planning: )[0-9]+ us$/\1U us/'; }
  while IFS= read -r -a command; do
    label="${command[*]}"
    (cd "$source_dir" && "${driver[@]}" "${command[@]}") 2>&1 | untimed > "$scratch/driver.out"
    (cd "$source_dir" && "${reference[@]}" "${command[@]}") 2>&1 | untimed > "$scratch/reference.out"
    cmp -s "$scratch/reference.out" "$scratch/driver.out" ||
      report_difference "$label" "$scratch/reference.out" "$scratch/driver.out"
    runs=$((runs + 1))
  done <<'COMMANDS'
solve-file bench/planner_questions.txt
solve-file bench/planner_questions.txt 4
check data/Question.ine
report data/Question.ine
check tests/scenarios/utf8_set.ine
cells 3(x-2)+4>5x-(x+1)
cells ①x<3＼
cells x<😀
cells x<3󠁁
solve 2(x+1)<2x+1
COMMANDS
fi

echo "$((runs - failures)) of $runs transcripts identical"
[ "$failures" -eq 0 ]
