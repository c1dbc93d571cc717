#!/usr/bin/env python3
"""Measures the game's balance with quelbrin-sim's greedy player.

For each difficulty it plays SEEDS games of DAYS game days and reports the median
final worth (cash plus the owned buildings' values minus debts), then checks:
  - difficulty 1: the median game ends worth more than it began with;
  - difficulty 0: clearly more (by at least a quarter);
  - difficulty 3: the lowest median of the four;
  - difficulty 0 beats difficulty 3 on at least 80 % of the seeds.

usage: tools/balance.py BUILD_DIR [--seeds 20] [--days 120] [--date 2026-03-01]
Runs a copy of the program folder in a temporary folder, so the player's files stay untouched.
"""
import argparse, json, os, shutil, statistics, subprocess, sys, tempfile

START_CASH = {0: 80000, 1: 50000, 2: 35000, 3: 25000}


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("build")
    ap.add_argument("--seeds", type=int, default=20)
    ap.add_argument("--days", type=int, default=120)
    ap.add_argument("--date", default="2026-03-01")
    a = ap.parse_args()

    tmp = tempfile.mkdtemp(prefix="qlb-balance-")
    try:
        prog = os.path.join(tmp, "game")
        os.makedirs(prog)
        shutil.copy2(os.path.join(a.build, "quelbrin-sim"), prog)
        shutil.copytree(os.path.join(a.build, "Buildings"), os.path.join(prog, "Buildings"))
        env = dict(os.environ, HOME=tmp, XDG_CONFIG_HOME=os.path.join(tmp, "config"))
        worth = {d: [] for d in range(4)}
        for d in range(4):
            for seed in range(1, a.seeds + 1):
                out = subprocess.run(
                    [os.path.join(prog, "quelbrin-sim"), "--seed", str(seed), "--date", a.date,
                     "--days", str(a.days), "--difficulty", str(d), "--bot", "greedy", "--quiet"],
                    env=env, capture_output=True, text=True, check=True).stdout
                line = [l for l in out.splitlines() if l.startswith("summary ")][-1]
                worth[d].append(json.loads(line[len("summary "):])["worth"])
    finally:
        shutil.rmtree(tmp, ignore_errors=True)

    med = {d: statistics.median(worth[d]) for d in range(4)}
    print(f"{a.seeds} seeds x {a.days} days, greedy player")
    print("| difficulty | start cash | median worth | min | max |")
    print("|---|---|---|---|---|")
    for d in range(4):
        print(f"| {d} | {START_CASH[d]} | {med[d]:.0f} | {min(worth[d])} | {max(worth[d])} |")
    wins = sum(1 for w0, w3 in zip(worth[0], worth[3]) if w0 > w3)
    print(f"difficulty 0 beats difficulty 3 on {wins} of {a.seeds} seeds")

    checks = [
        ("difficulty 1 ends worth more than it began", med[1] > START_CASH[1]),
        ("difficulty 0 ends clearly richer (by a quarter)", med[0] > 1.25 * START_CASH[0]),
        ("difficulty 3 has the lowest median", med[3] == min(med.values())),
        ("difficulty 0 beats 3 on at least 80 % of seeds", wins >= 0.8 * a.seeds),
    ]
    ok = True
    for text, passed in checks:
        print(("PASS " if passed else "FAIL ") + text)
        ok &= passed
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
