#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes every target of tests/fuzz: builds the toolkit-free layers with
# Clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer, then runs
# each target found in build-fuzz/fuzz/ for FUZZ_SECONDS (default 60) from its
# committed corpus. A crash, sanitizer report, broken invariant, timeout or
# memory blow-up fails the run; the input that did it is kept in
# build-fuzz/findings/NAME/ (replay it with the target's executable).
#   scripts/fuzz.sh [NAME...]    only the named targets
set -euo pipefail
cd "$(dirname "$0")/.."
[ "${TALVOREN_SKIP_DEPS:-}" = 1 ] || bash scripts/install-deps.sh

seconds=${FUZZ_SECONDS:-60}
build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTALVOREN_FUZZ=ON -DTALVOREN_BUILD_UI=OFF -DTALVOREN_WERROR=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target talvoren_fuzz_targets

if [ "$#" -gt 0 ]; then
  targets=("$@")
else
  targets=()
  for exe in "$build"/fuzz/*; do [ -x "$exe" ] && targets+=("$(basename "$exe")"); done
fi
[ "${#targets[@]}" -gt 0 ] || { echo "fuzz.sh: no fuzz targets built" >&2; exit 1; }

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=()
summary=""
for name in "${targets[@]}"; do
  seeds=tests/fuzz/corpus/$name
  [ -d "$seeds" ] || { echo "fuzz.sh: $name has no corpus folder $seeds" >&2; exit 1; }
  work=$PWD/$build/corpus/$name findings=$PWD/$build/findings/$name log=$build/logs/$name.log
  rm -rf "$work" "$findings"
  mkdir -p "$work" "$findings" "$(dirname "$log")"
  echo "== fuzzing $name for ${seconds}s"
  status=0
  # New inputs go to the work folder; the committed seeds are only read.
  "$build/fuzz/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$findings/" "$work" "$PWD/$seeds" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  summary+=$(printf '%-14s %12s executions  exit %d' "$name" "${runs:-?}" "$status")$'\n'
  if [ "$status" -ne 0 ]; then
    failed+=("$name")
    tail -n 60 "$log"
  fi
done

echo "== fuzzing summary (${seconds}s per target)"
printf '%s' "$summary"
if [ "${#failed[@]}" -gt 0 ]; then
  echo "fuzz.sh: findings in ${failed[*]} (inputs in $build/findings/)" >&2
  exit 1
fi
