#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Figures of the WebAssembly driver beside the native one: the module's size
# (raw and gzipped), start-up (a whole `cells` process) and planning (the
# `planning:` figure of solve-file on the 1,000 benchmark questions, and that
# process's wall time). Runs alternate between the two drivers so that a noisy
# machine weighs on both alike; prints medians and ranges.
#
#   bench/wasm_figures.py [NATIVE_DRIVER [WASM_BUILD_DIR [RUNS]]]
#   (defaults: build/tools/talvoren-driver, build-wasm, 20)
import gzip
import os
import re
import statistics
import subprocess
import sys
import time

root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
native = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "build/tools/talvoren-driver")
wasm_dir = sys.argv[2] if len(sys.argv) > 2 else os.path.join(root, "build-wasm")
runs = int(sys.argv[3]) if len(sys.argv) > 3 else 20
module = os.path.join(wasm_dir, "tools/talvoren-driver")
drivers = {"native": [native], "node": ["node", module + ".js"]}
questions = os.path.join(root, "bench/planner_questions.txt")


def timed(command):
    started = time.perf_counter()
    out = subprocess.run(command, check=True, capture_output=True, text=True).stdout
    return (time.perf_counter() - started) * 1000, out


def spread(values, unit):
    return f"{statistics.median(values):.1f} {unit} ({min(values):.1f}–{max(values):.1f})"


for suffix in (".wasm", ".js"):
    data = open(module + suffix, "rb").read()
    print(f"talvoren-driver{suffix}: {len(data) / 1024:.0f} KiB raw, "
          f"{len(gzip.compress(data, 9)) / 1024:.0f} KiB gzipped")

figures = {name: {"start": [], "plan": [], "wall": []} for name in drivers}
bare_node = []  # node's own start, the floor under the module's
for _ in range(runs):
    bare_node.append(timed(["node", "-e", "0"])[0])
    for name, driver in drivers.items():
        figures[name]["start"].append(timed(driver + ["cells", "x<1"])[0])
        wall, out = timed(driver + ["solve-file", questions])
        figures[name]["wall"].append(wall)
        planning = re.search(r"planning: (\d+) us", out)
        figures[name]["plan"].append(int(planning.group(1)) / 1000)

print(f"{runs} runs each, median (range):")
print(f"  node -e 0: {spread(bare_node, 'ms')}")
for name in drivers:
    f = figures[name]
    print(f"{name:>6}: start-up {spread(f['start'], 'ms')}; planning 1,000 questions "
          f"{spread(f['plan'], 'ms')}; solve-file process {spread(f['wall'], 'ms')}")
