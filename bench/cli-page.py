#!/usr/bin/env python3
"""The CPU time of qimbel-cli on a whole page, process start included: one or more builds side by
side, run in turns, as perf stat's task-clock (so the machine's other work counts as little as it
can). The page is N linear equations of the kind a pupil types on 解方程 (type 9), made from a
seed; an empty page gives the cost of starting alone.

  bench/cli-page.py [--lines 1000] [--runs 21] [--type 9] [--seed 9] build/bin/qimbel-cli [OTHER ...]

Needs perf (linux-perf). Instruction counts, steadier on a busy machine, come from
valgrind --tool=callgrind on the same page (--write FILE keeps it).
"""
import argparse
import random
import statistics
import subprocess
import tempfile

FIXED = ["3x+5=20", "2y-7=9", "4z+1=3z+8", "5(a-2)=15", "x÷4=2.5", "12-3m=3"]


def page(lines, seed):
    r = random.Random(seed)

    def num():
        return r.randint(1, 20)

    def line():
        v = r.choice("xxxxxyzamn")
        k = r.random()
        a, b, c, _ = num(), num(), num(), num()
        if k < 0.15:
            return r.choice(FIXED)
        if k < 0.35:
            return f"{a}{v}+{b}={a * r.randint(1, 12) + b}"
        if k < 0.45:
            return f"{a}{v}-{b}={c}"
        if k < 0.60:
            return f"{a + r.randint(1, 5)}{v}+{b}={a}{v}-{c}"
        if k < 0.70:
            return f"{a}({v}-{b})={a * r.randint(1, 9)}"
        if k < 0.78:
            return f"{v}/{r.randint(2, 9)}+{b}={b + r.randint(1, 9)}"
        if k < 0.84:
            return f"{v}÷{r.randint(2, 9)}={r.randint(1, 9)}.5"
        if k < 0.90:
            return f"{r.randint(1, 9)}.{r.randint(1, 9)}{v}+{b}={c}.{r.randint(1, 9)}"
        if k < 0.95:
            return f"{c * a + b}-{a}{v}={b}"
        return f"{r.randint(1, 4)}/{r.randint(5, 9)}{v}={r.randint(1, 9)}"

    return "".join(line() + "\n" for _ in range(lines))


def task_clock(program, args, text_file):
    with open(text_file, "rb") as text:
        done = subprocess.run(["perf", "stat", "-x,", "-e", "task-clock", program] + args, stdin=text,
                              stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    for row in done.stderr.splitlines():
        cells = row.split(",")
        if len(cells) > 2 and cells[2] == "task-clock":
            return float(cells[0])
    raise SystemExit(f"perf gave no task-clock for {program}:\n{done.stderr}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("programs", nargs="+")
    parser.add_argument("--lines", type=int, default=1000)
    parser.add_argument("--runs", type=int, default=21)
    parser.add_argument("--type", default="9")
    parser.add_argument("--seed", type=int, default=9)
    parser.add_argument("--write", help="keep the page in this file")
    options = parser.parse_args()
    text = page(options.lines, options.seed)
    with tempfile.TemporaryDirectory() as folder:
        files = {"empty page": f"{folder}/empty.txt", f"{options.lines} lines": options.write or f"{folder}/page.txt"}
        open(files["empty page"], "w").close()
        with open(files[f"{options.lines} lines"], "w", encoding="utf-8") as out:
            out.write(text)
        for name, text_file in files.items():
            times = {program: [] for program in options.programs}
            for _ in range(options.runs):
                for program in options.programs:
                    times[program].append(task_clock(program, ["--type", options.type], text_file))
            for program in options.programs:
                t = sorted(times[program])
                quarter = t[: max(1, len(t) // 4)]
                print(f"{name:>12}  {program}: median {statistics.median(t):.2f} ms, "
                      f"fastest quarter {statistics.mean(quarter):.2f} ms")


if __name__ == "__main__":
    main()
