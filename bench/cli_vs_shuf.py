#!/usr/bin/env python3
"""Times weiyuanchuang-cli against GNU shuf (and cat, the floor) on the same generated article.

Generates a UTF-8 article of Chinese lines with LF breaks (about a fifth of the lines empty),
then runs each program in turn, interleaved and each round in a rotated order, several times,
with its output going to a new real file, and prints for each the median wall time, the fastest and slowest run, the spread
(interquartile range over the median) and the peak resident memory relative to the article.
The command line runs twice: reading the article by name, and from a pipe that cat writes
(timing the command line alone, as `cat FILE | /usr/bin/time weiyuanchuang-cli` does).

    bench/cli_vs_shuf.py --cli build/ci/app/cli/weiyuanchuang-cli [--sizes 1,10,100] [--runs 5]

--also NAME=PATH adds another build of the command line to the same interleaved runs (for
example one built without a feature, to see what the feature pays).
"""
import argparse
import os
import random
import statistics
import subprocess
import sys
import tempfile
import time

MB = 1000 * 1000
# Runs whose spread, the interquartile range over the median, exceeds this do not support a ratio.
WIDE_SPREAD = 0.20


def make_article(path, size_bytes, seed=1):
    """Writes about size_bytes of article: lines of 10-70 CJK characters, 1 in 5 empty."""
    rng = random.Random(seed)
    # A pool of ready-made lines keeps generation fast; the article still has distinct order.
    pool = []
    for _ in range(4096):
        n = rng.randint(10, 70)
        pool.append("".join(chr(rng.randint(0x4E00, 0x9FA5)) for _ in range(n)).encode())
    written = 0
    with open(path, "wb", buffering=1 << 20) as out:
        chunk = []
        while written < size_bytes:
            line = b"" if rng.random() < 0.2 else pool[rng.randrange(len(pool))]
            chunk.append(line + b"\n")
            written += len(line) + 1
            if len(chunk) >= 10000:
                out.write(b"".join(chunk))
                chunk.clear()
        out.write(b"".join(chunk))
    return written


def run_once(argv, out_path, rss_path, piped_from=None):
    """Wall time and peak resident memory of one run, its output going to out_path; with
    piped_from, its standard input is `cat piped_from` and only the program itself is timed, as
    `cat FILE | /usr/bin/time PROGRAM` would."""
    # Start every run with no dirty pages from the previous one, so that the kernel's
    # write-back does not bill one program for another's output. A new file each time:
    # truncating the previous output makes ext4 flush on close.
    if os.path.exists(out_path):
        os.unlink(out_path)
    os.sync()
    with open(out_path, "wb") as out:
        cat = subprocess.Popen(["cat", piped_from], stdout=subprocess.PIPE) if piped_from else None
        start = time.perf_counter()
        # GNU time reports the program's own peak; a child forked from this Python process
        # would report Python's memory as its peak.
        status = subprocess.call(["/usr/bin/time", "-f", "%M", "-o", rss_path] + argv, stdout=out,
                                 stdin=cat.stdout if cat else None)
        elapsed = time.perf_counter() - start
        if cat:
            cat.stdout.close()
            status = status or cat.wait()
    if status != 0:
        sys.exit(f"{argv} failed with status {status}")
    with open(rss_path) as rss:
        return elapsed, int(rss.read().split()[-1]) * 1024


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--cli", required=True)
    parser.add_argument("--also", action="append", default=[], metavar="NAME=PATH")
    parser.add_argument("--sizes", default="1,10,100", help="article sizes in MB")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--dir", default=None, help="where to put the article and outputs")
    args = parser.parse_args()

    clis = {"weiyuanchuang-cli": args.cli}
    clis.update(entry.split("=", 1) for entry in args.also)
    print(f"load average {os.getloadavg()[0]:.2f}, {os.cpu_count()} cores")
    with tempfile.TemporaryDirectory(dir=args.dir) as work:
        article = os.path.join(work, "article.txt")
        output = os.path.join(work, "out.txt")
        rss = os.path.join(work, "rss.txt")
        medians = {}
        print(f"{'size':>8} {'program':<24} {'median s':>9} {'min s':>8} {'max s':>8} "
              f"{'spread':>7} {'peak MB':>8} {'peak/size':>9}")
        for size_mb in (int(s) for s in args.sizes.split(",")):
            size = make_article(article, size_mb * MB)
            programs = {name: [path, "--seed", "1", article] for name, path in clis.items()}
            programs["weiyuanchuang-cli, pipe"] = [args.cli, "--seed", "1"]
            programs["shuf"] = ["shuf", article]
            programs["cat"] = ["cat", article]
            results = {name: [] for name in programs}
            names = list(programs)
            for run in range(args.runs):
                # Interleaved, so all see the same machine, and each round starts with another
                # program: the first after a pause meets memory the host has taken back.
                for name in names[run % len(names):] + names[:run % len(names)]:
                    piped = article if name.endswith(", pipe") else None
                    results[name].append(run_once(programs[name], output, rss, piped))
            wide = []
            for name, runs in results.items():
                times = [t for t, _ in runs]
                median = statistics.median(times)
                quartiles = statistics.quantiles(times, n=4)
                spread = (quartiles[2] - quartiles[0]) / median
                if spread > WIDE_SPREAD and name != "cat":  # cat only shows the floor
                    wide.append(name)
                medians[(size_mb, name)] = median
                peak = max(m for _, m in runs)
                print(f"{size_mb:>6}MB {name:<24} {median:>9.3f} {min(times):>8.3f} "
                      f"{max(times):>8.3f} {spread:>6.0%} {peak / MB:>8.1f} {peak / size:>9.2f}")
            for name in clis:
                print(f"{size_mb:>6}MB {name}/shuf time ratio "
                      f"{medians[(size_mb, name)] / medians[(size_mb, 'shuf')]:.2f}")
            pipe = medians[(size_mb, "weiyuanchuang-cli, pipe")]
            print(f"{size_mb:>6}MB pipe/file time ratio {pipe / medians[(size_mb, 'weiyuanchuang-cli')]:.2f}")
            if (100, "weiyuanchuang-cli") in medians and size_mb > 100:
                for name in ("weiyuanchuang-cli", "shuf", "cat"):
                    scaled = medians[(100, name)] * size_mb / 100
                    print(f"{size_mb:>6}MB {name} time / (100 MB time scaled by size) "
                          f"{medians[(size_mb, name)] / scaled:.2f}")
            if wide:
                print(f"{size_mb:>6}MB spread above {WIDE_SPREAD:.0%} for {', '.join(wide)}: "
                      "the machine was not quiet; these ratios mean little")


if __name__ == "__main__":
    main()
