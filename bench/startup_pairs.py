# SPDX-License-Identifier: GPL-3.0-or-later
"""Times whole processes from outside in interleaved pairs.

Each pair runs the program and the yardstick once each (the order alternates
from pair to pair, so neither always runs on a warmer cache); the wall time is
taken around fork, exec and wait, the peak resident set from the child's
rusage (what /usr/bin/time -v calls "Maximum resident set size"), and the
CPU time (user and system) from the same rusage, which a busy machine
disturbs less than the wall time. Prints median and range of each, and the
ratios of the medians.

usage: startup_pairs.py PAIRS PROGRAM_CMD YARDSTICK_CMD   (commands as one string each)
"""
import os
import shlex
import statistics
import subprocess
import sys
import time

TIMEOUT_S = 20


def run_once(argv):
    start = time.perf_counter()
    child = subprocess.Popen(argv, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    try:
        _, status, usage = os.wait4(child.pid, 0)
    except KeyboardInterrupt:
        child.kill()
        raise
    elapsed = time.perf_counter() - start
    child.returncode = os.waitstatus_to_exitcode(status)
    err = child.stderr.read().decode(errors="replace")
    child.stderr.close()
    if child.returncode != 0:
        sys.exit(f"{argv[0]} ended with status {child.returncode}:\n{err}")
    cpu = usage.ru_utime + usage.ru_stime
    return elapsed * 1000.0, usage.ru_maxrss / 1024.0, cpu * 1000.0  # ms, MiB, ms


def summary(values, unit, digits):
    return (f"median {statistics.median(values):.{digits}f} {unit} "
            f"(range {min(values):.{digits}f}–{max(values):.{digits}f})")


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    pairs = int(sys.argv[1])
    commands = {"program": shlex.split(sys.argv[2]), "yardstick": shlex.split(sys.argv[3])}
    for argv in commands.values():  # warm the page cache and fontconfig's caches
        for _ in range(2):
            run_once(argv)
    times = {name: [] for name in commands}
    peaks = {name: [] for name in commands}
    cpus = {name: [] for name in commands}
    for i in range(pairs):
        order = list(commands) if i % 2 == 0 else list(reversed(commands))
        for name in order:
            ms, mib, cpu = run_once(commands[name])
            times[name].append(ms)
            peaks[name].append(mib)
            cpus[name].append(cpu)
    print(f"{pairs} interleaved pairs")
    for name in commands:
        print(f"{name:9}  time {summary(times[name], 'ms', 1)}   peak RSS {summary(peaks[name], 'MiB', 1)}"
              f"   CPU {summary(cpus[name], 'ms', 0)}")
    time_ratio = statistics.median(times["program"]) / statistics.median(times["yardstick"])
    mem_ratio = statistics.median(peaks["program"]) / statistics.median(peaks["yardstick"])
    pair_time = [p / y for p, y in zip(times["program"], times["yardstick"])]
    pair_mem = [p / y for p, y in zip(peaks["program"], peaks["yardstick"])]
    cpu_ratio = statistics.median(cpus["program"]) / statistics.median(cpus["yardstick"])
    print(f"ratio of medians: time {time_ratio:.2f}, peak memory {mem_ratio:.2f} (CPU time {cpu_ratio:.2f})")
    print(f"ratio per pair:   time {summary(pair_time, '', 2)}, peak memory {summary(pair_mem, '', 2)}")


if __name__ == "__main__":
    main()
