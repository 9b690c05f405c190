#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Speaks the driver's readings with espeak-ng's Japanese voice into WAV files
# and measures them, since no one listens in CI: each reading must be said as
# Japanese throughout (no switch to another language, as espeak-ng makes for
# a kanji it cannot read), last about as long as its morae take, and not be
# silence. Exit 77 (a skipped test) when espeak-ng or its Japanese voice is
# missing.
import array
import math
import shutil
import subprocess
import sys
import tempfile
import wave
from pathlib import Path

TEXTS = [
    "2x-3<5",
    "-1/2x+1/3>=-1/4",
    "3(x-2)<=12",
    "0.5x+1.25>-3",
    "①式の両辺から2をひくと",
    "負の数でわったので、不等号の向きが変わりました。",
    "6回の操作で解けました（最短は3回）",
]
# A Japanese voice says about 6 to 12 morae a second.
SLOWEST, FASTEST = 4.0, 16.0


def reading(driver, text):
    out = subprocess.run([driver, "read", text], capture_output=True, text=True, check=True).stdout
    return out.removeprefix("read: ").rstrip("\n")


def seconds_and_loudness(path):
    with wave.open(str(path)) as w:
        frames = w.readframes(w.getnframes())
        samples = array.array("h", frames)
        rms = math.sqrt(sum(s * s for s in samples) / max(1, len(samples)))
        return w.getnframes() / w.getframerate(), rms


def main():
    driver = sys.argv[1]
    if not shutil.which("espeak-ng"):
        print("skipped: espeak-ng is missing")
        return 77
    voices = subprocess.run(["espeak-ng", "--voices=ja"], capture_output=True, text=True).stdout
    if "ja" not in voices.split():
        print("skipped: espeak-ng has no Japanese voice")
        return 77
    failures = 0
    with tempfile.TemporaryDirectory() as work:
        for i, text in enumerate(TEXTS):
            kana = reading(driver, text)
            morae = len(kana.replace(" ", ""))
            phonemes = subprocess.run(["espeak-ng", "-v", "ja", "-q", "-x", kana],
                                      capture_output=True, text=True).stdout
            wav = Path(work) / f"{i}.wav"
            subprocess.run(["espeak-ng", "-v", "ja", "-w", str(wav), kana], check=True)
            length, rms = seconds_and_loudness(wav)
            ok = (morae / FASTEST <= length <= morae / SLOWEST + 0.5 and rms > 200
                  and "(en)" not in phonemes and "(zh" not in phonemes)
            print(f"{'ok' if ok else 'FAIL'}: {text} -> {kana} ({morae} kana): {length:.2f} s, rms {rms:.0f}")
            failures += not ok
    return 1 if failures else 0


sys.exit(main())
