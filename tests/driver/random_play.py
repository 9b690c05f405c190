#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Random `play` scripts, and a comparison of two drivers' transcripts on them.

    random_play.py write DIR COUNT [SEED]        writes DIR/0000.play ...
    random_play.py compare OLD NEW COUNT [SEED]  runs both drivers on COUNT scripts

Each script starts a question (or a question-set file) and then clicks,
types and replies at random, with `state` and `dump` among the commands, so
that two builds that should behave alike can be compared byte for byte.
Every run gets a working directory of its own (the record file lands there).
"""
import os
import random
import subprocess
import sys
import tempfile

QUESTIONS = [
    "2x+3<5", "-2x+1<5", "3(x-2)>=2x", "x+1<x+3", "x+3<x+1", "1/2x<3", "0.5x+1>2",
    "x<=3", "-(x+5)>2", "5(x-1)<2(x+4)", "3a>=6", "x>2", "1/3x+1>=2", "4x>-8",
    "2(x+1)<4", "0.2x-0.3<=0.5", "-x>4", "x-4>2+3x", "2x<<4", "0x+3<1", "y/3-1>=y",
]
SET_TEXT = "<<one\n2x+3<5\nx>2\n3(x-2)>=2x\n>>\n<<two\n0.5x+1>2\n-x>4\n>>\n<<empty\n>>\n"

CONTROLS = (
    [f"btnShiki{n}" for n in range(1, 13)] + [f"btnShiki{n}" for n in range(1, 5)] * 3
    + [f"Image{n}" for n in range(1, 15)]
    + ["btnKake", "btnWaru", "btnTasu", "btnHiku", "btnSeiri", "btnIkou", "btnKakko"] * 2
    + ["btnMinus", "btnDecimal", "btnBunsu", "btnMoji", "btnClear", "btnTeisei", "btnNext",
       "BitBtn1", "Image16", "grbKai", "btnHint"]
    + ["btnJikkou"] * 6
    + [f"btn{d}" for d in range(10)]
)
CHARS = list("1234567890xayqSKIBbsikhH*/+-.") + ["分", "①"]
KEYS = ["Enter", "Enter", "Escape", "Delete", "Shift"]
REPLIES = ["ok", "yes", "no", "cancel", "musu", "kainashi", "close", "retry", "ignore", "abort"]


def command(rng):
    r = rng.random()
    if r < 0.62:
        return "press " + rng.choice(CONTROLS)
    if r < 0.77:
        return "char " + rng.choice(CHARS)
    if r < 0.85:
        return "key " + rng.choice(KEYS)
    if r < 0.91:
        return "reply " + " ".join(rng.choice(REPLIES) for _ in range(rng.randint(1, 3)))
    if r < 0.95:
        return "state"
    if r < 0.97:
        return "dump"
    if r < 0.98:
        return "records"
    if r < 0.99:
        return "question " + rng.choice(QUESTIONS)
    return rng.choice(["screen 640", "screen 800", "screen 1024", "bogus"])


OPERATIONS = ["btnKake", "btnWaru", "btnTasu", "btnHiku", "btnSeiri", "btnIkou", "btnKakko"]


def step(rng):
    """A step as a pupil means it: a line, an operation, perhaps a number, 実行."""
    keys = [f"press btnShiki{rng.randint(1, 5)}", "press " + rng.choice(OPERATIONS)]
    if rng.random() < 0.7:
        if rng.random() < 0.3:
            keys.append("press btnMinus")
        keys += [f"press btn{rng.randint(0, 9)}" for _ in range(rng.randint(1, 2))]
        if rng.random() < 0.15:
            keys += ["press btnBunsu", f"press btn{rng.randint(1, 9)}"]
        if rng.random() < 0.1:
            keys.append("press btnMoji")
    keys.append("press btnJikkou" if rng.random() < 0.8 else "key Enter")
    return keys


def script(rng):
    lines = []
    if rng.random() < 0.2:
        lines.append("screen " + rng.choice(["640", "800", "1024"]))
    lines.append("set set.ine" if rng.random() < 0.25 else "question " + rng.choice(QUESTIONS))
    for _ in range(rng.randint(5, 80)):
        lines += step(rng) if rng.random() < 0.3 else [command(rng)]
    lines += ["state", "dump"]
    return "\n".join(lines) + "\n"


def write(directory, count, seed):
    rng = random.Random(seed)
    os.makedirs(directory, exist_ok=True)
    with open(os.path.join(directory, "set.ine"), "wb") as f:
        f.write(SET_TEXT.encode("cp932"))
    for i in range(count):
        with open(os.path.join(directory, f"{i:04d}.play"), "w", encoding="utf-8") as f:
            f.write(script(rng))


def run(driver, path):
    with tempfile.TemporaryDirectory() as cwd:
        return subprocess.run([driver, "play", path], cwd=cwd, capture_output=True, timeout=60).stdout


def compare(old, new, count, seed):
    with tempfile.TemporaryDirectory() as directory:
        write(directory, count, seed)
        differ = 0
        for i in range(count):
            path = os.path.join(directory, f"{i:04d}.play")
            if run(old, path) != run(new, path):
                differ += 1
                kept = f"differs-{seed}-{i:04d}.play"
                with open(path, encoding="utf-8") as f, open(kept, "w", encoding="utf-8") as out:
                    out.write(f.read())
                print("differs:", kept)
        print(f"{count - differ} of {count} scripts byte-identical (seed {seed})")
        return 1 if differ else 0


def main(argv):
    if len(argv) >= 3 and argv[0] == "write":
        write(argv[1], int(argv[2]), int(argv[3]) if len(argv) > 3 else 1)
        return 0
    if len(argv) >= 4 and argv[0] == "compare":
        return compare(os.path.abspath(argv[1]), os.path.abspath(argv[2]), int(argv[3]),
                       int(argv[4]) if len(argv) > 4 else 1)
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
