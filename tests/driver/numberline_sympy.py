#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The number line and 確かめ checked against SymPy's solution sets.

    numberline_sympy.py generate COUNT SEED > FILE   questions with SymPy's answers
    numberline_sympy.py check DRIVER FILE            plays every question of FILE

FILE holds one row a question, `QUESTION | KIND VALUE | TRY VERDICT ...`, or
just `QUESTION` (check then works the answers out itself). KIND VALUE is the
set SymPy gives (lt, le, gt, ge; none; all); each TRY is pad text tried on
the solved page and VERDICT is in or out: a whole number inside, one
outside, and the end itself where the pad can type it. `check` plans each
question with the driver's solve, plays the plan with the tries and
compares the driver's numberline: and try: lines with SymPy's.
The committed file tests/driver/numberline_questions.txt is made by
`generate 1000 25`; a C++ test replays it without SymPy.
"""
import math
import os
import random
import re
import subprocess
import sys
import tempfile

import sympy

TOKEN = re.compile(r"\d+(?:\.\d+)?(?:[/|]\d+)?|[A-Za-z]|<=|>=|[<>()\[\]{}+\-]")


def sympy_relation(question):
    """The question language (as the tutor reads it) as a SymPy relation."""
    out, letter, prev = [], None, None
    for tok in TOKEN.findall(question.replace(" ", "")):
        if tok[0].isdigit():
            num, _, den = re.split(r"([/|])", tok) if re.search(r"[/|]", tok) else (tok, "", "1")
            value = sympy.Rational(num) / sympy.Rational(den)
            piece = f"Rational({value.p},{value.q})"
        elif tok.isalpha():
            letter = tok
            piece = "X"
        else:
            piece = {"[": "(", "{": "(", "]": ")", "}": ")"}.get(tok, tok)
        # A number or a letter written before a letter or a bracket multiplies it.
        if prev is not None and (prev[0].isdigit() or prev == "X" or prev == ")") and (piece == "X" or piece == "("):
            out.append("*")
        if prev is not None and prev.startswith("Rational") and piece.startswith("Rational"):
            out.append("*")
        out.append(piece)
        prev = "X" if piece == "X" else (piece if not piece.startswith("Rational") else "9")
    text = "".join(out)
    for rel in ("<=", ">=", "<", ">"):
        if rel in text:
            left, right = text.split(rel, 1)
            break
    x = sympy.Symbol("X", real=True)
    names = {"X": x, "Rational": sympy.Rational}
    lhs, rhs = sympy.sympify(left, locals=names), sympy.sympify(right, locals=names)
    relation = {"<": sympy.Lt, ">": sympy.Gt, "<=": sympy.Le, ">=": sympy.Ge}[rel]
    return relation(lhs, rhs), x


def solution_set(question):
    """("lt", end) and the like, ("none", None) or ("all", None)."""
    relation, x = sympy_relation(question)
    s = sympy.solveset(relation, x, sympy.S.Reals)
    if s == sympy.S.EmptySet:
        return "none", None
    if s == sympy.S.Reals:
        return "all", None
    if s.start == -sympy.oo:
        return ("lt" if s.right_open else "le"), s.end
    return ("gt" if s.left_open else "ge"), s.start


def fraction_text(value):
    return str(value.p) if value.q == 1 else f"{value.p}/{value.q}"


def pad_text(value):
    """What the pad takes for an exact value, or None beyond four digits a part."""
    p, q = abs(value.p), value.q
    if p > 9999 or q > 9999:
        return None
    sign = "-" if value < 0 else ""
    return f"{sign}{p}" if q == 1 else f"{sign}{q}分の{p}"


def tries(kind, end):
    """(pad text, verdict) pairs: inside, outside, and the end itself."""
    if kind == "all":
        return [("0", "in"), ("-7", "in")]
    if kind == "none":
        return [("0", "out"), ("5", "out")]
    below, above = math.floor(end) - 2, math.ceil(end) + 2
    left = "in" if kind in ("lt", "le") else "out"
    right = "out" if left == "in" else "in"
    pairs = [(pad_text(sympy.Integer(below)), left), (pad_text(sympy.Integer(above)), right)]
    end_pad = pad_text(end)
    if end_pad:
        pairs.append((end_pad, "in" if kind in ("le", "ge") else "out"))
    return [p for p in pairs if p[0]]


def row(question):
    kind, end = solution_set(question)
    head = kind if end is None else f"{kind} {fraction_text(end)}"
    return " | ".join([question, head] + [f"{t} {v}" for t, v in tries(kind, end)])


def num(rng, low=1, high=12):
    return rng.randint(low, high)


def signed(rng, high=12):
    v = rng.randint(-high, high)
    return v if v != 0 else high


def term(value, text="", first=False):
    """A term with its sign; a coefficient 1 or -1 before a letter is dropped."""
    body = str(abs(value)) if not text or abs(value) != 1 else ""
    sign = "-" if value < 0 else ("" if first else "+")
    return f"{sign}{body}{text}"


def question(rng):
    letter = rng.choice("xxxxxxay")
    rel = rng.choice(["<", ">", "<=", ">="])
    a, b, c, d = signed(rng), signed(rng), signed(rng), signed(rng)
    shape = rng.randrange(10)
    if shape == 0:    # ax+b REL cx+d
        return term(a, letter, True) + term(b) + rel + term(c, letter, True) + term(d)
    if shape == 1:    # the same letter term on both sides: none or all
        return term(a, letter, True) + term(b) + rel + term(a, letter, True) + term(d)
    if shape == 2:    # p(ax+b) REL cx+d
        return f"{a}({term(num(rng), letter, True)}{term(b)})" + rel + term(c, letter, True) + term(d)
    if shape == 3:    # -(x+b)+c REL d
        return f"-({letter}{term(b)}){term(c)}" + rel + term(d, "", True)
    if shape == 4:    # a fraction coefficient
        return f"{num(rng)}/{num(rng, 2, 9)}{letter}{term(b)}" + rel + term(c, "", True)
    if shape == 5:    # a decimal coefficient
        return f"0.{num(rng, 1, 9)}{letter}{term(b)}" + rel + f"{c}.{num(rng, 1, 9)}"
    if shape == 6:    # a bar group
        return f"{num(rng, 1, 5)}|{num(rng, 2, 6)}({letter}{term(b)})" + rel + term(c, "", True)
    if shape == 7:    # the letter on the right only
        return term(c, "", True) + rel + term(a, letter, True) + term(b)
    if shape == 8:    # brackets on both sides
        return f"{num(rng, 2, 5)}({letter}{term(b)})" + rel + f"{num(rng, 2, 5)}({letter}{term(d)})"
    return term(a, letter, True) + rel + term(b, "", True)   # ax REL b


def run(args, cwd=None):
    return subprocess.run(args, capture_output=True, text=True, cwd=cwd, check=False).stdout


def plan_script(driver, text):
    """The play commands of the driver's plan, or None (refused, no plan)."""
    out = run([driver, "solve", text])
    match = re.search(r"^script:(.*)$", out, re.M)
    if "result: true" not in out or "answer: none" in out or not match:
        return None
    return [c.strip() for c in match.group(1).split(";") if c.strip()]


def generate(count, seed, driver=None):
    rng = random.Random(seed)
    seen, rows = set(), []
    while len(rows) < count:
        text = question(rng)
        if text in seen or len(text) > 38:
            continue
        seen.add(text)
        if driver and plan_script(driver, text) is None:
            continue
        rows.append(row(text))
    print("\n".join(rows))


def check(driver, path):
    failures = checked = 0
    with open(path, encoding="utf-8") as f:
        rows = [line.rstrip("\n") for line in f if line.strip()]
    with tempfile.TemporaryDirectory() as work:
        for line in rows:
            fields = [f.strip() for f in line.split(" | ")]
            text = fields[0]
            expected = row(text).split(" | ") if len(fields) == 1 else fields
            if len(fields) > 1 and row(text).split(" | ") != fields:
                print(f"{text}: SymPy now gives {row(text)}")
                failures += 1
            script = plan_script(driver, text)
            if script is None:
                print(f"{text}: no plan")
                failures += 1
                continue
            pairs = [p.rsplit(" ", 1) for p in expected[2:]]
            body = [f"question {text}"] + script + [f"try {t}" for t, _ in pairs]
            play = os.path.join(work, "q.play")
            with open(play, "w", encoding="utf-8") as f:
                f.write("\n".join(body) + "\n")
            out = run([driver, "play", play], cwd=work)
            got = re.findall(r"^numberline: (.*)$", out, re.M)
            verdicts = re.findall(r"^try: .* \| (in|out)$", out, re.M)
            want = [v for _, v in pairs]
            if got != [expected[1]] or verdicts != want:
                print(f"{text}: numberline {got} tries {verdicts}, SymPy {expected[1]} tries {want}")
                failures += 1
            checked += 1
    print(f"checked {checked} of {len(rows)}; {failures} disagree")
    return 1 if failures else 0


def main():
    if len(sys.argv) >= 4 and sys.argv[1] == "generate":
        generate(int(sys.argv[2]), int(sys.argv[3]), os.path.abspath(sys.argv[4]) if len(sys.argv) > 4 else None)
        return 0
    if len(sys.argv) == 4 and sys.argv[1] == "check":
        return check(os.path.abspath(sys.argv[2]), sys.argv[3])
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main())
