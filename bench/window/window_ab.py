#!/usr/bin/env python3
"""Interleaved A/B of the window's 10 MB run: the Qt window's (bench/window/window_bench,
Large10MB), or with --prefix wine the Win32 window's (win32_window_bench.exe under Wine, which
prints the same fields; run it where scripts/test-windows.sh's wyc_start_xvfb and
wyc_init_prefix have set DISPLAY and WINEPREFIX).

Each round starts every build once (in a rotated order), each process doing one repetition of
Large10MB (5 iterations: paste, then rewrite, of a 10 MB article, on Qt's offscreen platform),
and records its mean time per iteration, paste_ms and rewrite_ms. Prints for each build the
median, fastest, slowest and spread (interquartile range over the median) of the rounds, and
the ratio of each build's median to the first one's, with the median of the per-round ratios.

    bench/window/window_ab.py --rounds 15 before=BUILD_A/bench/window/window_bench \
                                        after=BUILD_B/bench/window/window_bench
    bench/window/window_ab.py --prefix wine --rounds 9 \
        before=BUILD_A/bench/window/win32_window_bench.exe \
        after=BUILD_B/bench/window/win32_window_bench.exe
"""
import argparse
import json
import os
import shlex
import statistics
import subprocess

parser = argparse.ArgumentParser()
parser.add_argument("--rounds", type=int, default=15)
parser.add_argument("--prefix", default="", help="command that runs each build, such as wine")
parser.add_argument("builds", nargs="+", metavar="NAME=PATH")
args = parser.parse_args()
builds = dict(entry.split("=", 1) for entry in args.builds)
names = list(builds)
env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
results = {name: {"total_ms": [], "paste_ms": [], "rewrite_ms": []} for name in names}
print(f"load average {os.getloadavg()[0]:.2f} at the start, {os.cpu_count()} cores")
for run in range(args.rounds):
    for name in names[run % len(names):] + names[:run % len(names)]:
        command = [*shlex.split(args.prefix), builds[name], "--benchmark_filter=^Large10MB",
                   "--benchmark_repetitions=1", "--benchmark_format=json"]
        out = subprocess.run(command, env=env, check=True, capture_output=True, text=True).stdout
        bench = json.loads(out)["benchmarks"][0]
        results[name]["total_ms"].append(bench["real_time"])
        results[name]["paste_ms"].append(bench["paste_ms"])
        results[name]["rewrite_ms"].append(bench["rewrite_ms"])
print(f"load average {os.getloadavg()[0]:.2f} at the end; {args.rounds} rounds")
wide = []
for measure in ("total_ms", "paste_ms", "rewrite_ms"):
    print(f"{measure:<11} {'build':<8} {'median':>8} {'min':>8} {'max':>8} {'spread':>7} "
          f"{'ratio':>6} {'per-round ratio':>16}")
    base = results[names[0]][measure]
    for name in names:
        values = results[name][measure]
        median = statistics.median(values)
        q = statistics.quantiles(values, n=4)
        ratio = median / statistics.median(base)
        per_round = statistics.median(v / b for v, b in zip(values, base))
        spread = (q[2] - q[0]) / median
        if spread > 0.2:
            wide.append(f"{measure} of {name}")
        print(f"{'':<11} {name:<8} {median:>8.1f} {min(values):>8.1f} {max(values):>8.1f} "
              f"{spread:>6.0%} {ratio:>6.3f} {per_round:>16.3f}")
if wide:
    print(f"spread above 20 % ({', '.join(wide)}): the ratios there mean little")
