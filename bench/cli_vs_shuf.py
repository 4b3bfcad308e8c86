#!/usr/bin/env python3
"""Times weiyuanchuang-cli against GNU shuf (and cat, the floor) on the same generated article, side by side.

Generates a UTF-8 article of Chinese lines with LF breaks (about a fifth of the lines empty),
then runs each program several times with its output going to a real file, and prints the
median wall time and the peak resident memory of each, relative to the file size.

    bench/cli_vs_shuf.py --cli build/release/app/cli/weiyuanchuang-cli [--sizes 1,10,100]
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


def run_once(argv, out_path, rss_path):
    """Wall time and peak resident memory of one run, its output going to out_path."""
    # Start every run with no dirty pages from the previous one, so that the kernel's
    # write-back does not bill one program for another's output.
    # A new file each time: truncating the previous output makes ext4 flush on close.
    if os.path.exists(out_path):
        os.unlink(out_path)
    os.sync()
    with open(out_path, "wb") as out:
        start = time.perf_counter()
        # GNU time reports the program's own peak; a child forked from this Python process
        # would report Python's memory as its peak.
        status = subprocess.call(["/usr/bin/time", "-f", "%M", "-o", rss_path] + argv, stdout=out)
        elapsed = time.perf_counter() - start
    if status != 0:
        sys.exit(f"{argv[0]} failed with status {status}")
    with open(rss_path) as rss:
        return elapsed, int(rss.read().split()[-1]) * 1024


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--cli", required=True)
    parser.add_argument("--sizes", default="1,10,100", help="article sizes in MB")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--dir", default=None, help="where to put the article and outputs")
    args = parser.parse_args()

    with tempfile.TemporaryDirectory(dir=args.dir) as work:
        article = os.path.join(work, "article.txt")
        output = os.path.join(work, "out.txt")
        rss = os.path.join(work, "rss.txt")
        print(f"{'size':>8} {'program':<18} {'median s':>9} {'min s':>8} {'peak MB':>8} "
              f"{'peak/size':>9}")
        for size_mb in (int(s) for s in args.sizes.split(",")):
            size = make_article(article, size_mb * MB)
            programs = {
                "weiyuanchuang-cli": [args.cli, "--seed", "1", article],
                "shuf": ["shuf", article],
                "cat": ["cat", article],
            }
            results = {name: [] for name in programs}
            for _ in range(args.runs):  # interleaved, so both see the same machine
                for name, argv in programs.items():
                    results[name].append(run_once(argv, output, rss))
            for name, runs in results.items():
                times = [t for t, _ in runs]
                peak = max(m for _, m in runs)
                print(f"{size_mb:>6}MB {name:<18} {statistics.median(times):>9.3f} "
                      f"{min(times):>8.3f} {peak / MB:>8.1f} {peak / size:>9.2f}")
            cli = statistics.median(t for t, _ in results["weiyuanchuang-cli"])
            shuf = statistics.median(t for t, _ in results["shuf"])
            print(f"{size_mb:>6}MB cli/shuf time ratio {cli / shuf:.2f}")


if __name__ == "__main__":
    main()
